#pragma once

// The weather window's side of the capture helper: starts the helper process, sends it
// commands and turns its answers into signals. A helper that has crashed, or that was
// stopped for not answering in time or for talking past the protocol's line limit, is
// started anew by the next navigation; nothing of this is ever shown to the user. The
// helper is told the one folder it may write into, and only the snapshot file asked for
// counts as saved.

#include "weather/CaptureProtocol.h"

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

    // Program is started with Folder, the only folder it may write captures into.
    TWeatherCapture(QString Program, QString Folder, QObject* Parent = nullptr);
    TWeatherCapture(QString Program, QString Folder, TLimits Limits, QObject* Parent = nullptr);
    // Closes the helper's input, which ends it, and stops it when it lingers.
    ~TWeatherCapture() override;

    // Loads Address in the helper, starting the helper first when it is not running.
    void Navigate(const QString& Address);
    // Asks the running helper to capture its page into FileName; CaptureFailed follows
    // at once when no helper runs, and when the helper reports any other file as saved.
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
    // Kills a helper that hangs or talks past the line limit.
    void StopHelper();
    void EndCapture(bool Saved, const QString& FileName);

    QString FProgram;
    QString FFolder;
    TLimits FLimits;
    QProcess* FProcess = nullptr;
    QTimer FAnswerTimer;
    TCaptureLineReader FReader;
    QString FRequested;
    bool FNavigating = false;
    bool FCapturing = false;
};
