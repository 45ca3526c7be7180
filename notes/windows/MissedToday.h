#pragma once

// The missed reminders found today, which today's popup lists under "错过的提醒" until the
// day ends.

#include "notes/RememberedReminders.h"

#include <QString>

#include <string>
#include <vector>

// Adds reminders found missed on Today ("yyyy-mm-dd"); those of an earlier day are dropped.
void AddMissedToday(const std::string& Today, const std::vector<notes::TReminderMoment>& Missed);

// The popup's section for Today: a carriage return, a line of hyphens, "错过的提醒" and one
// line "yyyy-mm-dd hh:nn title" per reminder, each behind a carriage return; empty when none
// was missed.
QString MissedTodayText(const std::string& Today);
