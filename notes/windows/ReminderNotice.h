#pragma once

// The text of a reminder's desktop notification.

#include "notes/UNotesFile.h"

#include <string>

// The body: the occurrence's time; for a note that repeats by the lunar year, the lunar date
// of the occurrence after it ("农历十二月初八", with 闰 in a leap month), so a lunar birthday
// says which day it is; then, on a line of its own, the content when there is one.
std::string ReminderBody(const notes::TNoteAlarm& Alarm);
