#pragma once

// The reminders the notes file holds between two minutes, by the rule of the alarm's tick
// (notes/NoteOccurrences.h: TNotesIndex::AlarmsOn): every occurrence of a note that reminds,
// at its time less the note's advance.

#include "notes/RememberedReminders.h"
#include "notes/UNotesFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace notes {

// The reminder of one of today's alarms: keyed by the note's identity, or by "标题:" and its
// title where it has none.
TReminderMoment ReminderMomentOf(const TNoteAlarm& Alarm);

// The reminders whose minute lies from First to Last (both "yyyy-mm-dd hh:nn", both
// included), by minute and then in the file's order. None when the file does not read.
std::vector<TReminderMoment> ReminderMomentsBetween(std::string_view NotesBytes,
                                                    const std::string& First,
                                                    const std::string& Last);

} // namespace notes
