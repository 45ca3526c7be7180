#include "notes/ReminderWatch.h"

#include "notes/MinuteText.h"
#include "notes/ReminderMoments.h"
#include "platform/Files.h"

#include <algorithm>

namespace notes {
namespace {

// What came longer ago than this can never be looked at again: missed reminders are looked
// for seven days back, and a day more covers a clock set back a little.
constexpr int RememberedMinutes = MissedMinutesBack + 24 * 60;

std::pair<std::string, std::string> KeyOf(const TReminderMoment& Reminder) {
    return {Reminder.Key, Reminder.Occurrence};
}

} // namespace

TReminderWatch::TReminderWatch(std::string MemoryFile)
    : FMemoryFile(std::move(MemoryFile)), FMemory(TRememberedReminders::Load(FMemoryFile)),
      FSaved(FMemory) {}

TReminderTick TReminderWatch::Tick(const std::string& Minute, bool Watching,
                                   const std::string& NotesFile,
                                   std::span<const TNoteAlarm> Alarms) {
    TReminderTick Result;
    if (!Watching) {
        // Unwatched minutes are never caught up: without a last minute seen, a later start
        // looks back no further than its own minute. Snoozes end with the reminders.
        FDueReminders.Tick(Minute, {});
        FMemory.TakeSnoozesDue(Minute);
        FMemory.SetLastSeen({});
        FCameThisRun.clear();
        Save();
        return Result;
    }
    // Ticks inside the minute already looked at only see what is due in it.
    const bool NewMinute = Minute != FMemory.LastSeen();
    if (NewMinute) {
        Result.Missed = CatchUp(Minute, NotesFile);
    }
    Result.Due = DueNow(Minute, Alarms, Result.Ringing);
    if (NewMinute) {
        Result.Again = SnoozesOver(Minute, NotesFile);
        if (FMemory.LastSeen() < Minute) {
            FMemory.SetLastSeen(Minute);
        }
        if (const std::optional<std::string> Oldest = AddMinutes(Minute, -RememberedMinutes)) {
            FMemory.ForgetBefore(*Oldest);
        }
    }
    Result.Ringing.insert(Result.Ringing.begin(), Result.Again.begin(), Result.Again.end());
    Result.Ringing.insert(Result.Ringing.end(), Result.Missed.begin(), Result.Missed.end());
    Save();
    return Result;
}

std::vector<TReminderMoment> TReminderWatch::CatchUp(const std::string& Minute,
                                                     const std::string& NotesFile) {
    std::vector<TReminderMoment> Missed;
    const std::optional<std::string> AfterLast = AddMinutes(FMemory.LastSeen(), 1);
    const std::optional<std::string> WeekBack = AddMinutes(Minute, -MissedMinutesBack);
    const std::optional<std::string> Before = AddMinutes(Minute, -1);
    if (!AfterLast || !WeekBack || !Before) {
        return Missed;
    }
    const std::string& First = std::max(*AfterLast, *WeekBack);
    std::string Bytes;
    std::string Error;
    if (First > *Before || !platform::ReadWholeFile(NotesFile, Bytes, Error)) {
        return Missed;
    }
    for (TReminderMoment& Reminder : ReminderMomentsBetween(Bytes, First, *Before)) {
        if (!FMemory.HasCome(Reminder)) {
            FMemory.Came(Reminder, Minute);
            Missed.push_back(std::move(Reminder));
        }
    }
    return Missed;
}

std::vector<TReminderMoment> TReminderWatch::DueNow(const std::string& Minute,
                                                    std::span<const TNoteAlarm> Alarms,
                                                    std::vector<TReminderMoment>& Ringing) {
    std::vector<TReminderMoment> Due;
    for (const TDueReminder& Reminder : FDueReminders.Tick(Minute, Alarms)) {
        TReminderMoment Moment = ReminderMomentOf(Alarms[static_cast<std::size_t>(Reminder.Alarm)]);
        if (!Reminder.First) {
            // Still in its minute: it rings on unless the user has answered it.
            if (FCameThisRun.contains(KeyOf(Moment))) {
                Ringing.push_back(std::move(Moment));
            }
        } else if (!FMemory.HasCome(Moment)) {
            // A reminder caught up as missed, or that came in an earlier run inside this
            // same minute, has come already.
            FMemory.Came(Moment, Minute);
            FCameThisRun.insert(KeyOf(Moment));
            Ringing.push_back(Moment);
            Due.push_back(std::move(Moment));
        }
    }
    return Due;
}

std::vector<TReminderMoment> TReminderWatch::SnoozesOver(const std::string& Minute,
                                                         const std::string& NotesFile) {
    std::vector<TReminderMoment> Again = FMemory.TakeSnoozesDue(Minute);
    if (Again.empty()) {
        return Again;
    }
    // A note deleted, or no longer reminding, since it was snoozed does not come again; one
    // that does comes as the file holds it now.
    std::string Bytes;
    std::string Error;
    platform::ReadWholeFile(NotesFile, Bytes, Error);
    std::vector<TReminderMoment> Coming;
    for (const TReminderMoment& Reminder : Again) {
        for (TReminderMoment& Stored :
             ReminderMomentsBetween(Bytes, Reminder.Minute, Reminder.Minute)) {
            if (KeyOf(Stored) == KeyOf(Reminder)) {
                Coming.push_back(std::move(Stored));
                break;
            }
        }
    }
    return Coming;
}

void TReminderWatch::Snooze(const TReminderMoment& Reminder, const std::string& Minute) {
    if (const std::optional<std::string> Again = AddMinutes(Minute, SnoozeMinutes)) {
        FCameThisRun.erase(KeyOf(Reminder));
        FMemory.Snooze(Reminder, *Again);
        Save();
    }
}

void TReminderWatch::Done(const TReminderMoment& Reminder) {
    FCameThisRun.erase(KeyOf(Reminder));
    FMemory.Unsnooze(Reminder);
    Save();
}

void TReminderWatch::Save() {
    if (FMemory == FSaved) {
        return;
    }
    // A memory that cannot be saved is kept and tried again at the next change.
    if (FMemory.Save(FMemoryFile, FSaveError)) {
        FSaved = FMemory;
        FSaveError.clear();
    }
}

} // namespace notes
