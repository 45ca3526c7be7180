#pragma once

// The two answers to a reminder at the foot of today's popup: "10分钟后再提醒" and "知道了".
// It is shown while a reminder has brought up the popup and hides itself once answered.

#include <QWidget>

class TGlassButton;

class TReminderAnswers : public QWidget {
    Q_OBJECT

public:
    explicit TReminderAnswers(QWidget* Popup);

    TGlassButton* Snooze = nullptr;
    TGlassButton* Done = nullptr;

signals:
    void SnoozeChosen();
    void DoneChosen();
};
