#pragma once

// The reminders the notes file holds between two minutes, by the rule of the alarm's tick: a
// day's reminders are those of its first ten notes that remind, each at its time on that day.

#include "notes/RememberedReminders.h"

#include <string>
#include <string_view>
#include <vector>

namespace notes {

// The reminders whose minute lies from First to Last (both "yyyy-mm-dd hh:nn", both
// included), by minute and then in the file's order. None when the file does not read.
std::vector<TReminderMoment> ReminderMomentsBetween(std::string_view NotesBytes,
                                                    const std::string& First,
                                                    const std::string& Last);

} // namespace notes
