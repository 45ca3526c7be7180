#pragma once

// The lunar months by the modern rules: a month runs from the day of one new moon to the day
// before the next; the month that holds 冬至 is 十一月; when 13 months lie between two
// 十一月, the first of them without a 中气 repeats the month before it.

#include "Events.h"

#include <vector>

struct TLunarMonth {
    int StartDay = 0; // days since 1970-01-01, the day of its new moon (UTC+8)
    TLocalInstant NewMoon = 0;
    int LunarYear = 0;
    int Number = 0; // 1 .. 12
    bool Leap = false;
};

// The months of every 冬至-to-冬至 span that both the terms and the new moons cover, in order.
// Terms outside the new moons are left out.
std::vector<TLunarMonth> LunarMonths(const std::vector<TTermInstant>& Terms,
                                     const std::vector<TLocalInstant>& NewMoons);
