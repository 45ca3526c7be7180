#pragma once

// The calendar engine: pure functions over constant tables for the Gregorian years
// FirstSupportedYear to LastSupportedYear (1600 to 2400). Texts are UTF-8.

#include "calendar/CalendarRange.h"
#include "calendar/UDateTime.h"

#include <cstdint>
#include <string>
#include <string_view>

// Gregorian dates. GetWeekDay and DateDiffDays throw
// EConvertError("Invalid argument to date encode") for an impossible date.
int GetWeekDay(int Year, int Month, int Day); // 1 = Sunday .. 7 = Saturday
int GetMonthDays(int Year, int Month);        // 0 for a month outside 1..12
int DateDiffDays(int Year1, int Month1, int Day1, int Year2, int Month2, int Day2);

// Lunar tables. Outside the lunar years 1599..2400 no table is read: every month has 30 days
// and none is repeated. A month outside 1..12 has 0 days.
int GetLeapMonth(int LunarYear);                                // 0 outside 1599..2400
std::uint32_t GetLunarMonthDays(int LunarYear, int LunarMonth); // low: month, high: leap month
int GetLunarYearDays(int LunarYear);

// Gregorian to lunar. Outside the supported years the result is false and the outputs keep
// their values. DaysToLunar counts days from 1901-01-01 (day 0; earlier days are negative).
bool SolarToLunar(int Year, int Month, int Day, int& LunarYear, int& LunarMonth, int& LunarDay);
bool DaysToLunar(int Days, int& LunarYear, int& LunarMonth, int& LunarDay);

// The same conversion with the leap flag: Month is the number SolarToLunar gives, and Leap
// tells a day of the leap month from a day of the month it repeats.
struct TLunarDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    bool Leap = false;
};
bool SolarToLunarDate(int Year, int Month, int Day, TLunarDate& Date);
bool DaysToLunarDate(int Days, TLunarDate& Date);

// Names. A value outside its range (year below 4, month outside 1..12, day outside 1..30,
// digit outside 0..9) gives the empty text. ChineseYearText throws
// EConvertError("'c' is not a valid integer value") for the first of the first four
// characters that is not a decimal digit ('' when the text is shorter).
std::string CyclicYearName(int Year);
std::string LunarMonthName(int Month, bool LunarStyle);
std::string LunarDayName(int Day);
std::string DigitName(int Digit);
std::string ChineseYearText(std::string_view YearText);

// Festivals and solar terms. Outside the supported years there is no term: 0 and the empty
// text.
std::string FestivalName(TDateTime Date);
int GetSolarTermNo(int Year, int Month, int Day);
std::string SolarTermName(TDateTime Date);
// The name of term 1 .. 24; empty for any other number.
std::string_view SolarTermNameOf(int Number);
