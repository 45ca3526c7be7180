#pragma once

// The weather window's side of the capture helper: starts the helper process, sends it
// commands and turns its answers into signals. A helper that has crashed, or that was
// stopped for not answering in time, is started anew by the next navigation; nothing of
// this is ever shown to the user.

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <string_view>

class TWeatherCapture : public QObject {
    Q_OBJECT

public:
    // How long the helper may take to answer before it counts as hung and is stopped.
    struct TLimits {
        int NavigateMs = 30000;
        int CaptureMs = 5000;
    };

    explicit TWeatherCapture(QString Program, QObject* Parent = nullptr);
    TWeatherCapture(QString Program, TLimits Limits, QObject* Parent = nullptr);
    // Closes the helper's input, which ends it, and stops it when it lingers.
    ~TWeatherCapture() override;

    // Loads Address in the helper, starting the helper first when it is not running.
    void Navigate(const QString& Address);
    // Asks the running helper to capture its page into FileName; CaptureFailed follows
    // at once when no helper runs.
    void Capture(const QString& FileName);

    bool Running() const;

signals:
    // The top-level page has completed (also when it reloads itself).
    void PageCompleted();
    void CaptureSaved(const QString& FileName);
    void CaptureFailed();

private:
    void Start();
    bool Send(std::string_view Verb, const QString& Argument, int AnswerLimitMs);
    void ReadAnswers();
    void Answer(std::string_view Verb, const QString& Argument);
    void HelperEnded();
    void AnswerOverdue();
    void EndCapture(bool Saved, const QString& FileName);

    QString FProgram;
    TLimits FLimits;
    QProcess* FProcess = nullptr;
    QTimer FAnswerTimer;
    QByteArray FUnread;
    bool FNavigating = false;
    bool FCapturing = false;
};
