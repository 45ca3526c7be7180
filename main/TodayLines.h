#pragma once

// The two lines about today in the day panel and its large day number. Both lines keep
// the blank between their two values when the second is empty.

#include "calendar/UDateTime.h"

#include <string>

// "公历：" today as "yyyy-mm-dd", a blank and today's festival or memorial day.
std::string HolidayLine(TDateTime Today);
// "农历：" the lunar year in Chinese digits, the lunar month (正月 for the first) and the
// lunar day, a blank and today's solar term. Outside the supported years both
// values are empty and the line reads "农历： ".
std::string LunarLine(TDateTime Today);
// Today's day of the month, two digits with a leading zero.
std::string TodayDayText(TDateTime Today);
