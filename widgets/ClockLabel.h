#pragma once

// A clock: reads its text twice a second from a text source (for instance the current
// time as "hh:nn:ss") and repaints only when the text has changed. No frame; its width
// follows the text.

#include <QTimer>
#include <QWidget>

#include <functional>

class TClockLabel : public QWidget {
    Q_OBJECT

public:
    static constexpr int ReadIntervalMs = 500;

    explicit TClockLabel(QWidget* Parent = nullptr);

    // Sets the text source, reads it at once and starts the twice-a-second reading.
    void SetTextSource(std::function<QString()> Source);
    QString Text() const { return FText; }
    // Reads the source once; true when the text changed and a repaint was asked for.
    bool Refresh();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    std::function<QString()> FSource;
    QString FText;
    QTimer FTimer;
};
