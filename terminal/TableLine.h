#pragma once

// The machine-readable line of a day, fields separated by tabs, in this fixed order: date
// (YYYY-MM-DD), lunar year, lunar month (1 to 12), lunar day, leap (0 or 1), solar term or
// empty, year pillar (by 立春), month pillar (by the 节), day pillar, lunar year's pillar (by
// 春节), Gregorian festival or empty, traditional festivals joined by "," or empty, 休 or 班
// or empty, the minute the solar term begins (hh:mm, UTC+8) or empty.

#include "calendar/DayDetails.h"

#include <string>

std::string TableLine(const TDayDetails& Details);
