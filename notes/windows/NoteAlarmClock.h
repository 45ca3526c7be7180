#pragma once

// The note alarm: once a second it looks at today's reminders and brings each due one to the
// user with today's popup, shaken, and a desktop notification when it first comes (whose
// click brings up the popup too). It looks again as soon as the system wakes from suspend,
// so that the reminders slept through come at once.

#include "notes/DueReminders.h"
#include "notes/UNotesFile.h"
#include "notes/windows/NotesFileWatch.h"
#include "notes/windows/WindowShake.h"

#include <QObject>

#include <string>
#include <vector>

class QTimer;
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

private:
    void Announce(const std::vector<notes::TDueReminder>& Due);
    void ShowPopupFromNotice();

    QTimer* FTimer = nullptr;
    platform::TDesktopNotifier* FNotifier = nullptr;
    // The reminders are read again only when the notes file or the day has changed.
    TNotesFileWatch FWatch;
    notes::TNoteAlarms FAlarms;
    notes::TDueReminders FDueReminders;
    TWindowShake FShake;
};
