#pragma once

// The text of a reminder's desktop notification.

#include "notes/RememberedReminders.h"
#include "notes/UNotesFile.h"

#include <span>
#include <string>

// The body: the occurrence's time; for a note that repeats by the lunar year (found among
// today's alarms by its key and occurrence), the lunar date of the occurrence after it
// ("农历十一月二十", with 闰 in a leap month), so a lunar birthday says which day it is; then,
// on a line of its own, the content when there is one.
std::string ReminderBody(const notes::TReminderMoment& Reminder,
                         std::span<const notes::TNoteAlarm> Today);
