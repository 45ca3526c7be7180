#include "main/UMain.h"

#include "main/WindowReferences.h"
#include "notes/UNoteSettings.h"
#include "notes/UNotesFile.h"
#include "notes/windows/NotesFileWatch.h"
#include "notes/windows/UNoteList.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QFileInfo>
#include <QThread>

namespace {

// The last reading of today's alarms. A tick whose notes file and day are unchanged since
// then takes these slots instead of reading the file again.
struct TAlarmReading {
    TNotesFileWatch Watch;
    TNoteAlarms Alarms;
};

TAlarmReading& LastReading() {
    static TAlarmReading Reading;
    return Reading;
}

// True while a shake runs: a tick that comes during a shake (its passes let events run)
// is left out, so shakes never nest and the window ends where the shake found it.
bool Shaking = false;

constexpr int ShakePasses = 26;
constexpr unsigned long ShakePassMs = 50;

} // namespace

void TfrmManyYear::tNoteAlarmTimer() {
    if (Shaking) {
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
    TAlarmReading& Last = LastReading();
    if (Last.Watch.Unchanged(FileName, Minute.substr(0, 10))) {
        FAlarms = Last.Alarms;
    } else {
        LoadTodayAlarms(FileName);
        Last.Watch.Remember();
        Last.Alarms = FAlarms;
    }
    const std::vector<notes::TDueReminder> Due = FDueReminders.Tick(Minute, FAlarms);
    if (Due.empty()) {
        return;
    }
    AnnounceReminders(FileName, Due);
    if (frmNoteList == nullptr) {
        frmNoteList = new TfrmNoteList();
    }
    frmNoteList->show();
    ShakeForm(frmNoteList);
}

bool TfrmManyYear::LoadTodayAlarms(const std::string& FileName) {
    const notes::TAlarmsRead Reading = notes::ReadTodayAlarms(FileName);
    FAlarms.assign(NoteAlarmSlots, TNoteAlarm{});
    for (int Slot = 0; Slot < NoteAlarmSlots && Slot < notes::AlarmSlotCount; ++Slot) {
        const notes::TNoteAlarm& Read = Reading.Slots[static_cast<size_t>(Slot)];
        FAlarms[static_cast<size_t>(Slot)] = TNoteAlarm{Read.Title, Read.When};
    }
    return Reading.Ok;
}

void TfrmManyYear::ShakeForm(QWidget* Form) {
    if (Shaking) {
        return;
    }
    Shaking = true;
    const QPointer<QWidget> Window(Form);
    const QPoint Start = Form->pos();
    for (int Pass = 1; Pass <= ShakePasses && Window != nullptr; ++Pass) {
        QApplication::processEvents();
        if (Window == nullptr) {
            break;
        }
        const int Step = Pass % 2 == 1 ? 1 : -1;
        Window->move(Start + QPoint(Step, Step));
        QThread::msleep(ShakePassMs);
    }
    if (Window != nullptr) {
        Window->move(Start);
    }
    Shaking = false;
}
