#include "NaiveLunarWalk.h"

#include "calendar/UCalendar.h"

namespace {

// The length of a lunar year as the sum of its month lengths, leap month included.
int YearDays(int LunarYear) {
    int Days = 0;
    for (int Month = 1; Month <= 12; ++Month) {
        const std::uint32_t Both = GetLunarMonthDays(LunarYear, Month);
        Days += static_cast<int>((Both & 0xFFFF) + (Both >> 16));
    }
    return Days;
}

} // namespace

bool NaiveSolarToLunar(int Year, int Month, int Day, int& LunarYear, int& LunarMonth,
                       int& LunarDay) {
    if (Year < FirstSupportedYear || Year > LastSupportedYear) {
        return false;
    }
    // From lunar 1901-1-1, forwards or backwards a year at a time.
    int Days = DateDiffDays(Year, Month, Day, 1901, 2, 19);
    int Lunar = 1901;
    while (Days < 0) {
        --Lunar;
        Days += YearDays(Lunar);
    }
    while (Days >= YearDays(Lunar)) {
        Days -= YearDays(Lunar);
        ++Lunar;
    }
    int Moon = 1;
    for (;; ++Moon) {
        const int MonthDays = static_cast<int>(GetLunarMonthDays(Lunar, Moon) & 0xFFFF);
        if (Days < MonthDays) {
            break;
        }
        Days -= MonthDays;
        if (GetLeapMonth(Lunar) == Moon) {
            const int LeapDays = static_cast<int>(GetLunarMonthDays(Lunar, Moon) >> 16);
            if (Days < LeapDays) {
                break;
            }
            Days -= LeapDays;
        }
    }
    LunarYear = Lunar;
    LunarMonth = Moon;
    LunarDay = Days + 1;
    return true;
}
