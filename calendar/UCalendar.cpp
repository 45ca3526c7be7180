#include "calendar/UCalendar.h"

#include "calendar/CalendarRange.h"
#include "calendar/LunarYears.h"

#include <bit>
#include <chrono>

using calendar_tables::FirstYearOfLunarTable;
using calendar_tables::LastYearOfLunarTable;
using calendar_tables::LunarTableYears;

namespace {

// Days since 1970-01-01 of a Gregorian date that is known to be valid.
constexpr int DayNumber(int Year, int Month, int Day) {
    using namespace std::chrono;
    const sys_days Date{year_month_day{year{Year}, month{static_cast<unsigned>(Month)},
                                       day{static_cast<unsigned>(Day)}}};
    return Date.time_since_epoch().count();
}

int ValidDayNumber(int Year, int Month, int Day) {
    CheckValidDate(Year, Month, Day);
    return DayNumber(Year, Month, Day);
}

constexpr bool InTable(int LunarYear) {
    return LunarYear >= FirstYearOfLunarTable && LunarYear <= LastYearOfLunarTable;
}

constexpr const calendar_tables::TLunarYearEntry& EntryOf(int LunarYear) {
    return calendar_tables::LunarYearEntries[static_cast<std::size_t>(LunarYear -
                                                                      FirstYearOfLunarTable)];
}

constexpr int LeapMonthOf(int LunarYear) {
    return EntryOf(LunarYear).LeapMonth;
}

constexpr std::uint32_t MonthWord(int LunarYear) {
    return EntryOf(LunarYear).MonthBits;
}

// Lengths of month LunarMonth (low half) and of its leap month (high half, 0 when the
// month is not repeated) of a table year.
constexpr std::uint32_t TableMonthDays(int LunarYear, int LunarMonth) {
    const int Leap = LeapMonthOf(LunarYear);
    const int Bit = (Leap > 0 && LunarMonth > Leap) ? 15 - LunarMonth : 16 - LunarMonth;
    const std::uint32_t Word = MonthWord(LunarYear);
    const std::uint32_t Days = (Word >> Bit & 1U) != 0 ? 30 : 29;
    if (LunarMonth != Leap) {
        return Days;
    }
    const std::uint32_t LeapDays = (Word >> (Bit - 1) & 1U) != 0 ? 30 : 29;
    return LeapDays << 16 | Days;
}

constexpr int TableYearDays(int LunarYear) {
    int Days = 0;
    for (int Month = 1; Month <= 12; ++Month) {
        const std::uint32_t Both = TableMonthDays(LunarYear, Month);
        Days += static_cast<int>((Both & 0xFFFF) + (Both >> 16));
    }
    return Days;
}

constexpr bool TablesAreWellFormed() {
    for (int Year = FirstYearOfLunarTable; Year <= LastYearOfLunarTable; ++Year) {
        const std::uint32_t Word = MonthWord(Year);
        const int Leap = LeapMonthOf(Year);
        if ((Word & 0x7) != 0 || Leap > 12 || (Leap == 0 && (Word & 0x8) != 0)) {
            return false;
        }
    }
    return true;
}
static_assert(TablesAreWellFormed(), "a month word or leap month is out of its bits");

// The public day count starts at 1901-01-01 (day 0) and runs backwards to 1600-01-01.
constexpr int DayCountOrigin = DayNumber(1901, 1, 1);
constexpr int FirstSupportedDay = DayNumber(FirstSupportedYear, 1, 1) - DayCountOrigin;
constexpr int LastSupportedDay = DayNumber(LastSupportedYear, 12, 31) - DayCountOrigin;
// Lunar day counts (epoch days) start at the first day of the table's first year.
constexpr int LunarEpoch = calendar_tables::FirstComputedLunarYearStart - DayCountOrigin;

// YearStarts[I]: epoch days to the first day of lunar year FirstYearOfLunarTable + I; the
// last entry is the day after the table ends.
constexpr std::array<int, LunarTableYears + 1> YearStarts = [] {
    std::array<int, LunarTableYears + 1> Starts{};
    for (int I = 0; I < LunarTableYears; ++I) {
        Starts[static_cast<std::size_t>(I + 1)] =
            Starts[static_cast<std::size_t>(I)] + TableYearDays(FirstYearOfLunarTable + I);
    }
    return Starts;
}();
static_assert(LunarEpoch <= FirstSupportedDay && YearStarts.back() > LastSupportedDay - LunarEpoch,
              "the lunar years must cover every supported Gregorian day");
static_assert(YearStarts[calendar_tables::FirstLunarYear - FirstYearOfLunarTable] + LunarEpoch ==
                  DayNumber(1901, 2, 19) - DayCountOrigin,
              "the computed years must end where the official lunar 1901 begins");
static_assert(YearStarts[calendar_tables::LastLunarYear + 1 - FirstYearOfLunarTable] + LunarEpoch +
                      DayCountOrigin ==
                  calendar_tables::LateComputedLunarYearStart,
              "the official years must end where the computed lunar 2051 begins");

// A first guess at the lunar year of an epoch day, from the mean length of the lunar years.
// New years drift by less than a month around the mean, so the guess is at most one year
// off.
constexpr int GuessYearIndex(int EpochDay) {
    return static_cast<int>(static_cast<long long>(EpochDay) * LunarTableYears / YearStarts.back());
}

// The guess grows with the day, so checking the first and last day of each year covers all.
constexpr bool GuessIsWithinOneYear() {
    for (int I = 0; I < LunarTableYears; ++I) {
        if (GuessYearIndex(YearStarts[static_cast<std::size_t>(I)]) < I - 1 ||
            GuessYearIndex(YearStarts[static_cast<std::size_t>(I + 1)] - 1) > I + 1) {
            return false;
        }
    }
    return true;
}
static_assert(GuessIsWithinOneYear(), "the year guess needs more than one correction");

// Days from the start of the year to month position Position (0 is month 1, the leap month
// taking the position after the month it repeats): the first Position bits from bit 15 down.
constexpr int PositionStart(std::uint32_t Word, int Position) {
    return 29 * Position + std::popcount(Word >> (16 - Position));
}

} // namespace

int GetWeekDay(int Year, int Month, int Day) {
    // 1970-01-01 was a Thursday.
    const int Days = ValidDayNumber(Year, Month, Day);
    return (Days % 7 + 7 + 4) % 7 + 1;
}

int GetMonthDays(int Year, int Month) {
    switch (static_cast<unsigned>(Month)) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return (Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0)) ? 29 : 28;
    default:
        return 0;
    }
}

int DateDiffDays(int Year1, int Month1, int Day1, int Year2, int Month2, int Day2) {
    return ValidDayNumber(Year1, Month1, Day1) - ValidDayNumber(Year2, Month2, Day2);
}

int GetLeapMonth(int LunarYear) {
    return InTable(LunarYear) ? LeapMonthOf(LunarYear) : 0;
}

std::uint32_t GetLunarMonthDays(int LunarYear, int LunarMonth) {
    if (LunarMonth < 1 || LunarMonth > 12) {
        return 0;
    }
    if (!InTable(LunarYear)) {
        return 30;
    }
    return TableMonthDays(LunarYear, LunarMonth);
}

int GetLunarYearDays(int LunarYear) {
    if (!InTable(LunarYear)) {
        return 360;
    }
    const auto Index = static_cast<std::size_t>(LunarYear - FirstYearOfLunarTable);
    return YearStarts[Index + 1] - YearStarts[Index];
}

bool SolarToLunar(int Year, int Month, int Day, int& LunarYear, int& LunarMonth, int& LunarDay) {
    return DaysToLunar(ValidDayNumber(Year, Month, Day) - DayCountOrigin, LunarYear, LunarMonth,
                       LunarDay);
}

bool DaysToLunar(int Days, int& LunarYear, int& LunarMonth, int& LunarDay) {
    TLunarDate Date;
    if (!DaysToLunarDate(Days, Date)) {
        return false;
    }
    LunarYear = Date.Year;
    LunarMonth = Date.Month;
    LunarDay = Date.Day;
    return true;
}

bool SolarToLunarDate(int Year, int Month, int Day, TLunarDate& Date) {
    return DaysToLunarDate(ValidDayNumber(Year, Month, Day) - DayCountOrigin, Date);
}

bool DaysToLunarDate(int Days, TLunarDate& Date) {
    if (Days < FirstSupportedDay || Days > LastSupportedDay) {
        return false;
    }
    const int EpochDay = Days - LunarEpoch;
    int Index = GuessYearIndex(EpochDay);
    if (EpochDay < YearStarts[static_cast<std::size_t>(Index)]) {
        --Index;
    } else if (EpochDay >= YearStarts[static_cast<std::size_t>(Index + 1)]) {
        ++Index;
    }
    const int Year = FirstYearOfLunarTable + Index;
    const std::uint32_t Word = MonthWord(Year);
    const int InYear = EpochDay - YearStarts[static_cast<std::size_t>(Index)];
    // Months have 29 or 30 days, so the position is InYear / 30 or the one after it.
    int Position = InYear / 30;
    if (InYear >= PositionStart(Word, Position + 1)) {
        ++Position;
    }
    const int Leap = LeapMonthOf(Year);
    Date.Year = Year;
    Date.Month = (Leap > 0 && Position >= Leap) ? Position : Position + 1;
    Date.Day = InYear - PositionStart(Word, Position) + 1;
    Date.Leap = Leap > 0 && Position == Leap;
    return true;
}
