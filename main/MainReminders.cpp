// The ways a reminder reaches the user besides the popup and its shake: one desktop
// notification per reminder, whose default action brings up today's notes popup, and a tick
// of the alarm as soon as the system wakes from suspend, so that the reminders it slept
// through come at once.

#include "main/UMain.h"

#include "main/WindowReferences.h"
#include "notes/UNotesFile.h"
#include "notes/windows/UNoteList.h"
#include "platform/dbus/DesktopNotifier.h"
#include "platform/dbus/ResumeSignal.h"

#include <optional>

void TfrmManyYear::ConnectReminderServices() {
    FNotifier = new platform::TDesktopNotifier(QStringLiteral("万年历"),
                                               QStringLiteral("ruxa-calendar"), this);
    connect(FNotifier, &platform::TDesktopNotifier::DefaultAction, this,
            &TfrmManyYear::ShowNotesFromNotice);
    auto* Resume = new platform::TResumeSignal(this);
    connect(Resume, &platform::TResumeSignal::Resumed, this, &TfrmManyYear::tNoteAlarmTimer);
}

void TfrmManyYear::AnnounceReminders(const std::string& FileName,
                                     const std::vector<notes::TDueReminder>& Due) {
    // The slots hold no content: today's notes are read for it, once, and only when a
    // reminder comes for the first time.
    std::optional<notes::TNotes> Today;
    for (const notes::TDueReminder& Reminder : Due) {
        if (!Reminder.First) {
            continue;
        }
        if (!Today) {
            Today = notes::LoadNotes(FileName, true).Notes;
        }
        const auto Slot = static_cast<std::size_t>(Reminder.Slot);
        const TNoteAlarm& Alarm = FAlarms[Slot];
        std::string Body = Alarm.When;
        if (Slot < Today->size() && (*Today)[Slot].Title == Alarm.Title &&
            !(*Today)[Slot].Content.empty()) {
            Body += "\n" + (*Today)[Slot].Content;
        }
        FNotifier->Notify(QString::fromStdString(Alarm.Title), QString::fromStdString(Body));
    }
}

void TfrmManyYear::ShowNotesFromNotice() {
    if (frmNoteList == nullptr) {
        frmNoteList = new TfrmNoteList();
    }
    frmNoteList->show();
    frmNoteList->raise();
    frmNoteList->activateWindow();
}
