#include "notes/windows/WindowShake.h"

#include <QWidget>

TWindowShake::TWindowShake(QObject* Parent) : QObject(Parent) {
    FTimer.setInterval(StepMs);
    connect(&FTimer, &QTimer::timeout, this, &TWindowShake::Step);
}

void TWindowShake::Start(QWidget* Window) {
    if (Running() || Window == nullptr) {
        return;
    }
    FWindow = Window;
    FStart = Window->pos();
    FStepsTaken = 0;
    FTimer.start();
    Step();
}

void TWindowShake::Step() {
    if (FWindow == nullptr) {
        FTimer.stop();
        return;
    }
    if (FStepsTaken == Steps) {
        FWindow->move(FStart);
        FTimer.stop();
        return;
    }
    ++FStepsTaken;
    const int Pixels = FStepsTaken % 2 == 1 ? 1 : -1;
    FWindow->move(FStart + QPoint(Pixels, Pixels));
}
