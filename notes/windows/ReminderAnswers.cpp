#include "notes/windows/ReminderAnswers.h"

#include "widgets/GlassButton.h"

namespace {

// Below the notes' text, clear of the sticky note's turned-up corner.
constexpr QRect Place(7, 212, 180, 24);
// A green deep enough for the white captions on the green paper.
const QColor Face(0x5B, 0x8A, 0x32);

} // namespace

TReminderAnswers::TReminderAnswers(QWidget* Popup) : QWidget(Popup) {
    setGeometry(Place);
    Snooze = new TGlassButton(QStringLiteral("10分钟后再提醒"), this);
    Snooze->setGeometry(0, 0, 112, 24);
    Done = new TGlassButton(QStringLiteral("知道了"), this);
    Done->setGeometry(118, 0, 62, 24);
    Snooze->SetFaceColor(Face);
    Done->SetFaceColor(Face);
    connect(Snooze, &QAbstractButton::clicked, this, [this] {
        hide();
        emit SnoozeChosen();
    });
    connect(Done, &QAbstractButton::clicked, this, [this] {
        hide();
        emit DoneChosen();
    });
}
