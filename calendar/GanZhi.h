#pragma once

// The sixty-pair cycle of stems and branches (干支) of years, months and days. A pillar is
// its place in the cycle, 0 (甲子) to 59 (癸亥). Dates are Gregorian, within the supported
// years, and known to be valid.

#include <string>
#include <string_view>

// The year by the solar calendar: it changes on the day of 立春.
int YearPillar(int Year, int Month, int Day);
// The month: it changes on the day of each 节 (立春 惊蛰 清明 ... 大雪 小寒).
int MonthPillar(int Year, int Month, int Day);
int DayPillar(int Year, int Month, int Day);
// The lunar year, which changes at 春节.
int LunarYearPillar(int LunarYear);

// The two characters of a pillar, for example "甲辰".
std::string PillarName(int Pillar);
// The zodiac animal of a year pillar, for example "龙".
std::string_view PillarAnimal(int Pillar);
