#pragma once

// The note alarm: once a second it looks at today's reminders and brings each due one to the
// user with today's popup, shaken, and a desktop notification when it first comes (whose
// click brings up the popup too). At start and as soon as the system wakes from suspend it
// brings the reminders missed meanwhile (notes/ReminderWatch.h), which the popup lists. The
// popup answers the reminder that brought it up with a snooze of ten minutes or a "seen".

#include "notes/ReminderWatch.h"
#include "notes/UNotesFile.h"
#include "notes/windows/NotesFileWatch.h"
#include "notes/windows/WindowShake.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <string>
#include <vector>

class QTimer;
class TReminderAnswers;
namespace platform {
class TDesktopNotifier;
}

class TNoteAlarmClock : public QObject {
    Q_OBJECT

public:
    explicit TNoteAlarmClock(QObject* Parent = nullptr);

    void Start();
    void Stop();

    // One look at today's reminders. Left out while the popup shakes.
    void Tick();

    // Today's reminders as the last tick left them (notes::ReadTodayAlarms).
    const notes::TNoteAlarms& Alarms() const { return FAlarms; }
    bool Shaking() const { return FShake.Running(); }

    // The user's answers to the reminders that last brought up the popup.
    void SnoozeRinging();
    void DoneRinging();

private:
    void Announce(const notes::TReminderTick& Tick);
    void AnnounceMissed(const std::vector<notes::TReminderMoment>& Missed);
    void Ring(const std::vector<notes::TReminderMoment>& Ringing);
    void ShowPopupFromNotice();
    // Sends a notification that offers the answers for Reminders.
    void Notify(const QString& Summary, const QString& Body,
                std::vector<notes::TReminderMoment> Reminders);
    void Answer(quint64 Notice, const QString& Key);
    void Snooze(const std::vector<notes::TReminderMoment>& Reminders);
    void Done(const std::vector<notes::TReminderMoment>& Reminders);

    QTimer* FTimer = nullptr;
    platform::TDesktopNotifier* FNotifier = nullptr;
    // The slots are read again only when the notes file or the day has changed.
    TNotesFileWatch FWatch;
    notes::TNoteAlarms FAlarms;
    notes::TReminderWatch FReminders;
    std::vector<notes::TReminderMoment> FRinging;
    // The reminders each notification of this run answers for, by its number.
    std::map<quint64, std::vector<notes::TReminderMoment>> FNoticeReminders;
    QPointer<TReminderAnswers> FAnswers;
    TWindowShake FShake;
};
