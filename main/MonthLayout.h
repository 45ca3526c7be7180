#pragma once

// How one Gregorian month is laid out on a calendar page of six weeks, Sunday first, and
// the text of each day cell: the day number, the lunar day (or the lunar month's name on
// the first day of a lunar month) and the solar term, joined by carriage returns.

#include <array>
#include <string>

inline constexpr int MonthWeeks = 6;
inline constexpr int WeekDays = 7;

struct TMonthLayout {
    int FirstCol = 0; // the column of day 1, 0 (Sunday) .. 6 (Saturday)
    int Last = 0;     // the number of days
    // Week row 1 .. 6 and column 0 .. 6 at [(row - 1) * 7 + column]; empty where no day is.
    std::array<std::string, MonthWeeks * WeekDays> Cells;
};

// A supported year (FirstSupportedYear .. LastSupportedYear), month 1 .. 12.
std::string DayCellText(int Year, int Month, int Day);
TMonthLayout LayOutMonth(int Year, int Month);
// The day of the month in week row 1 .. 6, column 0 .. 6 of that lay-out, or 0 for a cell
// without a day.
int DayInCell(int Year, int Month, int Col, int Row);

struct TCellPlace {
    int Col = 0; // 0 .. 6
    int Row = 0; // week row 1 .. 6
};
// Where day Day (1 .. the month's last) stands in its month's lay-out.
TCellPlace CellOfDay(int Year, int Month, int Day);
