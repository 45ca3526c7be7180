#pragma once

// The calendar engine: pure functions over constant tables for the Gregorian years
// 1901 to 2050. Texts are UTF-8.

#include "calendar/UDateTime.h"

#include <cstdint>
#include <string>
#include <string_view>

// Gregorian dates. Both throw EConvertError("Invalid argument to date encode") for an
// impossible date.
int GetWeekDay(int Year, int Month, int Day); // 1 = Sunday .. 7 = Saturday
int GetMonthDays(int Year, int Month);        // 0 for a month outside 1..12
int DateDiffDays(int Year1, int Month1, int Day1, int Year2, int Month2, int Day2);

// Lunar tables.
int GetLeapMonth(int LunarYear);                               // 0 outside 1901..2050
std::uint32_t GetLunarMonthDays(int LunarYear, int LunarMonth); // low: month, high: leap month
int GetLunarYearDays(int LunarYear);

// Gregorian to lunar. Outside 1901-01-01..2050-12-31 the result is false and the outputs
// keep their values.
bool SolarToLunar(int Year, int Month, int Day, int& LunarYear, int& LunarMonth, int& LunarDay);
bool DaysToLunar(int Days, int& LunarYear, int& LunarMonth, int& LunarDay);

// Names.
std::string CyclicYearName(int Year);
std::string LunarMonthName(int Month, bool LunarStyle);
std::string LunarDayName(int Day);
std::string DigitName(int Digit);
std::string ChineseYearText(std::string_view YearText);

// Festivals and solar terms.
std::string FestivalName(TDateTime Date);
int GetSolarTermNo(int Year, int Month, int Day);
std::string SolarTermName(TDateTime Date);
