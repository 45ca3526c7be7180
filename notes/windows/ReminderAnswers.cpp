#include "notes/windows/ReminderAnswers.h"

#include "widgets/GlassButton.h"

namespace {

// Below the notes' text, inside the sticky note's paper.
constexpr QRect Place(7, 236, 226, 24);

} // namespace

TReminderAnswers::TReminderAnswers(QWidget* Popup) : QWidget(Popup) {
    setGeometry(Place);
    Snooze = new TGlassButton(QStringLiteral("10分钟后再提醒"), this);
    Snooze->setGeometry(0, 0, 132, 24);
    Done = new TGlassButton(QStringLiteral("知道了"), this);
    Done->setGeometry(140, 0, 86, 24);
    connect(Snooze, &QAbstractButton::clicked, this, [this] {
        hide();
        emit SnoozeChosen();
    });
    connect(Done, &QAbstractButton::clicked, this, [this] {
        hide();
        emit DoneChosen();
    });
}
