#pragma once

// The traditional festivals of a day: those fixed in the lunar calendar (never in a leap
// month), 除夕 on the last day of the lunar year, 清明节 on the day of the 清明 term and 寒食节
// on the day before it.

#include "calendar/UCalendar.h"

#include <array>
#include <string_view>

// At most three festivals can meet on one day; the unused places are empty.
struct TFestivalList {
    std::array<std::string_view, 3> Names;
    int Count = 0;

    const std::string_view* begin() const { return Names.data(); }
    const std::string_view* end() const { return Names.data() + Count; }
};

// A valid Gregorian date of the supported years and its lunar date.
TFestivalList TraditionalFestivals(int Year, int Month, int Day, const TLunarDate& Lunar);
