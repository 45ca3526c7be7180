#pragma once

// A month as a page of text like cal prints it, Sunday first: under the heading with the
// year's stems-and-branches name, each week takes three lines, the day numbers, their lunar
// texts (the lunar month's name on its first day) and the solar terms. Columns are six wide,
// counting a Chinese character as two.

#include "calendar/UDateTime.h"

#include <string>

struct TMonthTextStyle {
    // Today is shown in reverse video when Highlight is set and Today lies in the month.
    bool Highlight = false;
    int TodayYear = 0;
    int TodayMonth = 0;
    int TodayDay = 0;
};

// A supported year (FirstSupportedYear .. LastSupportedYear), month 1 .. 12.
std::string MonthText(int Year, int Month, const TMonthTextStyle& Style);
// The twelve months of a year, one under the other, under the year's heading.
std::string YearText(int Year, const TMonthTextStyle& Style);
