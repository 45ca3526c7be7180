#include "notes/windows/NoteAlarmClock.h"

#include "calendar/UDateTime.h"
#include "common/WindowReferences.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/MissedToday.h"
#include "notes/windows/ReminderAnswers.h"
#include "notes/windows/ReminderNotice.h"
#include "notes/windows/TodayPopup.h"
#include "notes/windows/UNoteList.h"
#include "platform/Clock.h"
#include "platform/dbus/DesktopNotifier.h"
#include "platform/dbus/ResumeSignal.h"

#include <QFileInfo>
#include <QTimer>

#include <utility>

namespace {

constexpr int TickIntervalMs = 1000;
// More missed reminders than this come in one notification that lists them.
constexpr std::size_t MissedNoticesApart = 3;

const QString SnoozeKey = QStringLiteral("snooze");
const QString DoneKey = QStringLiteral("done");

std::string CurrentMinute() {
    return FormatDateTime("yyyy-mm-dd hh:nn", platform::Now());
}

QString Text(const std::string& Utf8) {
    return QString::fromStdString(Utf8);
}

// The occurrence's time, and the note's content below it.
} // namespace

TNoteAlarmClock::TNoteAlarmClock(QObject* Parent)
    : QObject(Parent), FReminders(notes::TRememberedReminders::DefaultFileName()) {
    FTimer = new QTimer(this);
    FTimer->setInterval(TickIntervalMs);
    connect(FTimer, &QTimer::timeout, this, &TNoteAlarmClock::Tick);
    FNotifier = new platform::TDesktopNotifier(QStringLiteral("万年历"),
                                               QStringLiteral("ruxa-calendar"), this);
    connect(FNotifier, &platform::TDesktopNotifier::DefaultAction, this,
            &TNoteAlarmClock::ShowPopupFromNotice);
    connect(FNotifier, &platform::TDesktopNotifier::ActionChosen, this, &TNoteAlarmClock::Answer);
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
    const std::string Minute = CurrentMinute();
    const std::string FileName = notes::NotesFileName();
    // Without reminders on or a notes file the minute passes unwatched: nothing catches it up.
    const bool Watching =
        notes::NoteAlarmOn != 0 && QFileInfo::exists(QString::fromStdString(FileName));
    if (Watching && !FWatch.Unchanged(FileName, Minute.substr(0, 10))) {
        FAlarms = notes::ReadTodayAlarms(FileName).Alarms;
        FWatch.Remember();
    }
    const notes::TReminderTick Reminders =
        FReminders.Tick(Minute, Watching, FileName,
                        Watching ? std::span<const notes::TNoteAlarm>(FAlarms)
                                 : std::span<const notes::TNoteAlarm>());
    if (!Reminders.Missed.empty()) {
        AddMissedToday(Minute.substr(0, 10), Reminders.Missed);
        if (frmNoteList != nullptr) {
            frmNoteList->LoadTodayNotes(FileName);
        }
    }
    Announce(Reminders);
    if (!Reminders.Ringing.empty()) {
        Ring(Reminders.Ringing);
    }
}

void TNoteAlarmClock::Announce(const notes::TReminderTick& Tick) {
    AnnounceMissed(Tick.Missed);
    for (const std::vector<notes::TReminderMoment>* Coming : {&Tick.Due, &Tick.Again}) {
        for (const notes::TReminderMoment& Reminder : *Coming) {
            Notify(Text(Reminder.Title), Text(ReminderBody(Reminder, FAlarms)), {Reminder});
        }
    }
}

void TNoteAlarmClock::AnnounceMissed(const std::vector<notes::TReminderMoment>& Missed) {
    if (Missed.size() > MissedNoticesApart) {
        QString Body;
        for (const notes::TReminderMoment& Reminder : Missed) {
            Body += (Body.isEmpty() ? QString() : QStringLiteral("\n")) +
                    Text(Reminder.Occurrence) + QStringLiteral(" ") + Text(Reminder.Title);
        }
        Notify(QStringLiteral("错过的提醒（%1条）").arg(Missed.size()), Body, Missed);
        return;
    }
    for (const notes::TReminderMoment& Reminder : Missed) {
        Notify(QStringLiteral("错过的提醒：") + Text(Reminder.Title),
               Text(ReminderBody(Reminder, FAlarms)), {Reminder});
    }
}

void TNoteAlarmClock::Ring(const std::vector<notes::TReminderMoment>& Ringing) {
    FRinging = Ringing;
    TfrmNoteList& Popup = ShowTodayPopup();
    // The notes that ring come first in the popup, standing out.
    std::vector<std::string> Keys;
    for (const notes::TReminderMoment& Reminder : Ringing) {
        Keys.push_back(Reminder.Key);
    }
    Popup.LoadTodayNotes(notes::NotesFileName(), Keys);
    if (FAnswers == nullptr || FAnswers->parentWidget() != &Popup) {
        FAnswers = new TReminderAnswers(&Popup);
        connect(FAnswers, &TReminderAnswers::SnoozeChosen, this, &TNoteAlarmClock::SnoozeRinging);
        connect(FAnswers, &TReminderAnswers::DoneChosen, this, &TNoteAlarmClock::DoneRinging);
    }
    FAnswers->show();
    FShake.Start(&Popup);
}

void TNoteAlarmClock::Notify(const QString& Summary, const QString& Body,
                             std::vector<notes::TReminderMoment> Reminders) {
    const quint64 Notice = FNotifier->Notify(
        Summary, Body,
        {{SnoozeKey, QStringLiteral("10分钟后再提醒")}, {DoneKey, QStringLiteral("知道了")}});
    FNoticeReminders[Notice] = std::move(Reminders);
}

void TNoteAlarmClock::Answer(quint64 Notice, const QString& Key) {
    const auto Found = FNoticeReminders.find(Notice);
    if (Found == FNoticeReminders.end()) {
        return;
    }
    const std::vector<notes::TReminderMoment> Reminders = std::move(Found->second);
    FNoticeReminders.erase(Found);
    if (Key == SnoozeKey) {
        Snooze(Reminders);
    } else if (Key == DoneKey) {
        Done(Reminders);
    }
}

void TNoteAlarmClock::SnoozeRinging() {
    Snooze(FRinging);
}

void TNoteAlarmClock::DoneRinging() {
    Done(FRinging);
}

void TNoteAlarmClock::Snooze(const std::vector<notes::TReminderMoment>& Reminders) {
    const std::string Minute = CurrentMinute();
    for (const notes::TReminderMoment& Reminder : Reminders) {
        FReminders.Snooze(Reminder, Minute);
    }
    // The popup's answers stand for the reminders that rang; once answered they go.
    FRinging.clear();
    if (FAnswers != nullptr) {
        FAnswers->hide();
    }
}

void TNoteAlarmClock::Done(const std::vector<notes::TReminderMoment>& Reminders) {
    for (const notes::TReminderMoment& Reminder : Reminders) {
        FReminders.Done(Reminder);
    }
    FRinging.clear();
    if (FAnswers != nullptr) {
        FAnswers->hide();
    }
}

void TNoteAlarmClock::ShowPopupFromNotice() {
    TfrmNoteList& Popup = ShowTodayPopup();
    Popup.raise();
    Popup.activateWindow();
}
