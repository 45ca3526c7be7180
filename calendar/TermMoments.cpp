#include "calendar/TermMoments.h"

#include "calendar/CalendarRange.h"
#include "calendar/ComputedTables.h"
#include "calendar/SolarTermTable.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>

namespace tables = calendar_tables;

namespace {

static_assert(tables::TermTableFirstYear == FirstSupportedYear &&
                  tables::TermTableLastYear == LastSupportedYear,
              "the term moments must cover the supported years");

constexpr int KnotCount = static_cast<int>(tables::TermKnotSteps.size()) + 1;

// The knot lines of the terms, minutes since 1970-01-01 00:00 UTC+8.
constexpr auto Knots = [] {
    std::array<std::array<std::int64_t, 24>, KnotCount> Values{};
    for (std::size_t Index = 0; Index < 24; ++Index) {
        Values[0][Index] = tables::TermFirstKnots[Index];
        for (std::size_t K = 1; K < static_cast<std::size_t>(KnotCount); ++K) {
            Values[K][Index] = Values[K - 1][Index] + tables::TermKnotStepMinutes +
                               tables::TermKnotSteps[K - 1][Index];
        }
    }
    return Values;
}();

constexpr int MinutesPerDay = 1440;

bool InRange(int Year, int Number) {
    return Year >= FirstSupportedYear && Year <= LastSupportedYear && Number >= 1 && Number <= 24;
}

std::int64_t MomentMinutes(int Year, int Number) {
    const int Index = Number - 1;
    const int FromYear = Year - tables::TermTableFirstYear;
    const int KnotIndex = std::min(FromYear / tables::TermKnotYears, KnotCount - 2);
    const int Into = FromYear - KnotIndex * tables::TermKnotYears;
    const std::int64_t From =
        Knots[static_cast<std::size_t>(KnotIndex)][static_cast<std::size_t>(Index)];
    const std::int64_t To =
        Knots[static_cast<std::size_t>(KnotIndex + 1)][static_cast<std::size_t>(Index)];
    const auto& Words = tables::TermYearResiduals[static_cast<std::size_t>(FromYear)];
    const auto Offset = static_cast<std::int64_t>(Words[0] >> 60 | (Words[1] >> 60) << 4) - 128;
    const auto Residual = static_cast<std::int64_t>(
        Words[static_cast<std::size_t>(Index / 12)] >> (5 * (Index % 12)) & 0x1F);
    return From + Into * (To - From) / tables::TermKnotYears + Offset + Residual - 16;
}

constexpr int DayNumber(int Year, int Month, int Day) {
    using namespace std::chrono;
    const sys_days Date{year_month_day{year{Year}, month{static_cast<unsigned>(Month)},
                                       day{static_cast<unsigned>(Day)}}};
    return Date.time_since_epoch().count();
}

int FloorDiv(std::int64_t Value, int By) {
    return static_cast<int>(Value >= 0 ? Value / By : -((-Value + By - 1) / By));
}

bool OfficialYear(int Year) {
    return Year >= tables::FirstTermYear && Year <= tables::LastTermYear;
}

int OfficialDay(int Year, int Number) {
    const int Month = (Number + 1) / 2;
    const unsigned Byte = tables::SolarTermDays[static_cast<std::size_t>(
        (Year - tables::FirstTermYear) * 12 + Month - 1)];
    return Number % 2 == 1 ? 15 - static_cast<int>(Byte >> 4) : 15 + static_cast<int>(Byte & 0x0F);
}

// How close to midnight an event must lie to be marked, in minutes: two minutes today, more
// in the past and the future, where ΔT is less certain. The generator uses the same rule.
int MidnightMargin(int Year) {
    return 2 + (Year - 2000) * (Year - 2000) / 20000;
}

} // namespace

bool SolarTermMoment(int Year, int Number, TTermMoment& Moment) {
    if (!InRange(Year, Number)) {
        return false;
    }
    const std::int64_t Minutes = MomentMinutes(Year, Number);
    const int Day = FloorDiv(Minutes, MinutesPerDay);
    const int MinuteOfDay =
        static_cast<int>(Minutes - static_cast<std::int64_t>(Day) * MinutesPerDay);
    using namespace std::chrono;
    const year_month_day Date{sys_days{days{Day}}};
    Moment.Year = static_cast<int>(Date.year());
    Moment.Month = static_cast<int>(static_cast<unsigned>(Date.month()));
    Moment.Day = static_cast<int>(static_cast<unsigned>(Date.day()));
    Moment.Hour = MinuteOfDay / 60;
    Moment.Minute = MinuteOfDay % 60;
    const bool OffTheDay = OfficialYear(Year) && (Moment.Month != (Number + 1) / 2 ||
                                                  Moment.Day != OfficialDay(Year, Number));
    Moment.NearMidnight =
        OffTheDay || std::min(MinuteOfDay, MinutesPerDay - MinuteOfDay) <= MidnightMargin(Year);
    return true;
}

int SolarTermDay(int Year, int Number) {
    if (!InRange(Year, Number)) {
        return 0;
    }
    if (OfficialYear(Year)) {
        return OfficialDay(Year, Number);
    }
    const int Month = (Number + 1) / 2;
    return FloorDiv(MomentMinutes(Year, Number), MinutesPerDay) - DayNumber(Year, Month, 1) + 1;
}

bool NewMoonNearMidnight(int Year, int Month, int Day) {
    if (Year < FirstSupportedYear || Year > LastSupportedYear) {
        return false;
    }
    return std::ranges::binary_search(tables::NearMidnightNewMoonDays, DayNumber(Year, Month, Day));
}
