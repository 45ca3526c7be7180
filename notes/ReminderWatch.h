#pragma once

// What the note alarm decides at each tick, across runs of the program: the reminders due in
// the tick's minute (through TDueReminders), the reminders missed while the program was not
// running or not ticking (at start and after a suspend, up to seven days back), and the
// snoozed reminders whose ten minutes are over. It keeps TRememberedReminders in its file,
// read once at construction and saved when it changes, so that no reminder comes twice,
// a restart inside a reminder's minute included, and a snooze outlives the run.

#include "notes/DueReminders.h"
#include "notes/RememberedReminders.h"
#include "notes/UNotesFile.h"

#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace notes {

// How far back missed reminders are looked for, and how long a snooze lasts.
inline constexpr int MissedMinutesBack = 7 * 24 * 60;
inline constexpr int SnoozeMinutes = 10;

struct TReminderTick {
    // Reminders whose minute passed unwatched, each once, by minute.
    std::vector<TReminderMoment> Missed;
    // Reminders of this minute coming for the first time, in the order of today's alarms.
    std::vector<TReminderMoment> Due;
    // Snoozed reminders coming again at this tick.
    std::vector<TReminderMoment> Again;
    // Every reminder that brings up the popup at this tick: those above and those of this
    // minute that came at an earlier tick of it and have not been answered.
    std::vector<TReminderMoment> Ringing;
};

class TReminderWatch {
public:
    // Reads the memory from MemoryFile (see TRememberedReminders).
    explicit TReminderWatch(std::string MemoryFile);

    // One tick at Minute ("yyyy-mm-dd hh:nn"). Watching is false when reminders are off or
    // there is no notes file: nothing comes and the minutes pass unwatched for good. Alarms
    // are today's reminders (ReadTodayAlarms), NotesFile the notes file that missed
    // reminders are read from.
    TReminderTick Tick(const std::string& Minute, bool Watching, const std::string& NotesFile,
                       std::span<const TNoteAlarm> Alarms);

    // The user asks for the reminder again SnoozeMinutes after Minute.
    void Snooze(const TReminderMoment& Reminder, const std::string& Minute);
    // The user has seen the reminder: a snooze of it is dropped.
    void Done(const TReminderMoment& Reminder);

    const TRememberedReminders& Memory() const { return FMemory; }
    // The reason the memory could not be saved last time; empty after a good save.
    const std::string& SaveError() const { return FSaveError; }

private:
    std::vector<TReminderMoment> CatchUp(const std::string& Minute, const std::string& NotesFile);
    std::vector<TReminderMoment> DueNow(const std::string& Minute,
                                        std::span<const TNoteAlarm> Alarms,
                                        std::vector<TReminderMoment>& Ringing);
    std::vector<TReminderMoment> SnoozesOver(const std::string& Minute,
                                             const std::string& NotesFile);
    void Save();

    std::string FMemoryFile;
    TRememberedReminders FMemory;
    TRememberedReminders FSaved;
    TDueReminders FDueReminders;
    std::string FSaveError;
    // The reminders that came in this run, which ring on through their minute.
    std::set<std::pair<std::string, std::string>> FCameThisRun;
};

} // namespace notes
