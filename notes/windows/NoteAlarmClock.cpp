#include "notes/windows/NoteAlarmClock.h"

#include "calendar/UDateTime.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/ReminderNotice.h"
#include "notes/windows/TodayPopup.h"
#include "notes/windows/UNoteList.h"
#include "platform/Clock.h"
#include "platform/dbus/DesktopNotifier.h"
#include "platform/dbus/ResumeSignal.h"

#include <QFileInfo>
#include <QTimer>

namespace {

constexpr int TickIntervalMs = 1000;

} // namespace

TNoteAlarmClock::TNoteAlarmClock(QObject* Parent) : QObject(Parent) {
    FTimer = new QTimer(this);
    FTimer->setInterval(TickIntervalMs);
    connect(FTimer, &QTimer::timeout, this, &TNoteAlarmClock::Tick);
    FNotifier = new platform::TDesktopNotifier(QStringLiteral("万年历"),
                                               QStringLiteral("ruxa-calendar"), this);
    connect(FNotifier, &platform::TDesktopNotifier::DefaultAction, this,
            &TNoteAlarmClock::ShowPopupFromNotice);
    auto* Resume = new platform::TResumeSignal(this);
    connect(Resume, &platform::TResumeSignal::Resumed, this, &TNoteAlarmClock::Tick);
}

void TNoteAlarmClock::Start() {
    FTimer->start();
}

void TNoteAlarmClock::Stop() {
    FTimer->stop();
}

void TNoteAlarmClock::Tick() {
    if (FShake.Running()) {
        return;
    }
    // "yyyy-mm-dd hh:nn": its first ten characters are today's date.
    const std::string Minute = FormatDateTime("yyyy-mm-dd hh:nn", platform::Now());
    const std::string FileName = notes::NotesFileName();
    if (notes::NoteAlarmOn == 0 || !QFileInfo::exists(QString::fromStdString(FileName))) {
        // The minute passes unwatched, so no later tick catches it up.
        FDueReminders.Tick(Minute, {});
        return;
    }
    if (!FWatch.Unchanged(FileName, Minute.substr(0, 10))) {
        FAlarms = notes::ReadTodayAlarms(FileName).Alarms;
        FWatch.Remember();
    }
    const std::vector<notes::TDueReminder> Due = FDueReminders.Tick(Minute, FAlarms);
    if (Due.empty()) {
        return;
    }
    Announce(Due);
    // The popup shows the notes that come now first, standing out.
    notes::TNotes Coming;
    for (const notes::TDueReminder& Reminder : Due) {
        Coming.push_back(FAlarms[static_cast<std::size_t>(Reminder.Alarm)].Note);
    }
    TfrmNoteList& Popup = ShowTodayPopup();
    Popup.LoadTodayNotes(FileName, Coming);
    FShake.Start(&Popup);
}

void TNoteAlarmClock::Announce(const std::vector<notes::TDueReminder>& Due) {
    for (const notes::TDueReminder& Reminder : Due) {
        if (!Reminder.First) {
            continue;
        }
        const notes::TNoteAlarm& Alarm = FAlarms[static_cast<std::size_t>(Reminder.Alarm)];
        FNotifier->Notify(QString::fromStdString(Alarm.Note.Title),
                          QString::fromStdString(ReminderBody(Alarm)));
    }
}

void TNoteAlarmClock::ShowPopupFromNotice() {
    TfrmNoteList& Popup = ShowTodayPopup();
    Popup.raise();
    Popup.activateWindow();
}
