#pragma once

// A day said in one line, as a screen reader reads a day cell and the tray icon's tooltip
// names today: "2024年2月10日 星期六 农历正月初一", and for the cell the solar term, the
// festivals, 休 or 班 and the number of the day's notes after it.

#include "calendar/DayDetails.h"

#include <string>

// "2024年2月10日 星期六 农历正月初一".
std::string DayShortName(const TDayDetails& Details);

// "2024年2月10日 星期六 农历正月初一 春节 休 2条便签"; no count on a day without notes.
std::string DaySpokenName(const TDayDetails& Details, int NoteCount);
