#pragma once

// Shakes a window in place to draw the eye: 26 steps 50 ms apart that move it alternately one
// pixel down-right and up-left of where the shake found it, then back there. The steps run
// from the event loop, so the program stays responsive meanwhile.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class QWidget;

class TWindowShake : public QObject {
    Q_OBJECT

public:
    static constexpr int Steps = 26;
    static constexpr int StepMs = 50;

    explicit TWindowShake(QObject* Parent = nullptr);

    // Takes the first step at once and the others from the timer. Ignored while a shake runs,
    // so shakes never nest and the window ends where the first one found it.
    void Start(QWidget* Window);
    bool Running() const { return FTimer.isActive(); }

    // The next step; the one after the last puts the window back and ends the shake. A window
    // destroyed meanwhile ends it too.
    void Step();

private:
    QTimer FTimer;
    QPointer<QWidget> FWindow;
    QPoint FStart;
    int FStepsTaken = 0;
};
