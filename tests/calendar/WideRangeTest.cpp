// The calendar from 1600 to 2400: days pinned against published almanacs, the range's edges,
// the moments of the terms, and the whole table against the calendar the generator computed
// (tests/calendar/ComputedDaysDigest.h, written with calendar/ComputedTables.h).

#include "calendar/DayDescription.h"
#include "calendar/TermMoments.h"
#include "calendar/UCalendar.h"

#include "ComputedDaysDigest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>

namespace {

std::string DateText(int Year, int Month, int Day) {
    return std::to_string(Year) + "-" + std::to_string(Month) + "-" + std::to_string(Day);
}

const THolidayTable NoHolidays;

std::vector<std::string> Described(int Year, int Month, int Day) {
    const auto Details = DayDetailsOf(Year, Month, Day, NoHolidays);
    return Details ? DayDescription(*Details, {}) : std::vector<std::string>{};
}

bool Has(const std::vector<std::string>& Lines, const std::string& Line) {
    return std::ranges::find(Lines, Line) != Lines.end();
}

} // namespace

TEST(WideRange, PinnedDays) {
    struct Case {
        int Year, Month, Day;
        const char* LongLunar;
        const char* Term; // with its moment, as the day's description shows it
        bool NewMoonNearMidnight;
    };
    const Case Cases[] = {
        {1600, 1, 1, "农历己亥年十一月十六", "", false},
        {1951, 12, 23, "农历辛卯年十一月廿五", "节气：冬至 00:00", false},
        {1979, 1, 21, "农历戊午年十二月廿三", "节气：大寒 1月20日23:59", false},
        {1914, 11, 17, "农历甲寅年十月初一", "", true},
        {1916, 2, 3, "农历丙辰年正月初一", "", true},
        {2024, 2, 4, "农历癸卯年十二月廿五", "节气：立春 16:27", false},
        {2027, 2, 6, "农历丁未年正月初一", "", false},
        {2033, 12, 22, "农历癸丑年闰十一月初一", "", false},
        {2057, 9, 28, "农历丁丑年八月三十", "", false},
        {2057, 9, 29, "农历丁丑年九月初一", "", true},
        {2400, 12, 31, "农历庚申年十一月十六", "", false},
    };
    for (const Case& C : Cases) {
        const std::string Date = DateText(C.Year, C.Month, C.Day);
        const auto Details = DayDetailsOf(C.Year, C.Month, C.Day, NoHolidays);
        ASSERT_TRUE(Details) << Date;
        EXPECT_EQ(LongLunarText(Details->Lunar), C.LongLunar) << Date;
        const std::vector<std::string> Lines = DayDescription(*Details, {});
        const auto TermLine = std::ranges::find_if(
            Lines, [](const std::string& Line) { return Line.starts_with("节气："); });
        EXPECT_EQ(TermLine == Lines.end() ? "" : TermLine->substr(0, std::string(C.Term).size()),
                  C.Term)
            << Date;
        EXPECT_EQ(Details->NewMoonNearMidnight, C.NewMoonNearMidnight) << Date;
        EXPECT_EQ(Has(Lines, "合朔时刻近子夜，初一或差一日"), C.NewMoonNearMidnight) << Date;
    }
}

TEST(WideRange, TermsCloseToMidnightAreMarkedInTheDescription) {
    // 1979's 大寒: the official day is the 21st, the computed moment 23:59 on the 20th.
    TTermMoment Moment;
    ASSERT_TRUE(SolarTermMoment(1979, 2, Moment));
    EXPECT_EQ(DateText(Moment.Year, Moment.Month, Moment.Day), "1979-1-20");
    EXPECT_TRUE(Moment.NearMidnight);
    EXPECT_TRUE(Has(Described(1979, 1, 21), "交节时刻近子夜，日期或差一日"));
    // 2024's 立春 at 16:27 is not.
    ASSERT_TRUE(SolarTermMoment(2024, 3, Moment));
    EXPECT_EQ(Moment.Hour * 100 + Moment.Minute, 1627);
    EXPECT_FALSE(Moment.NearMidnight);
    EXPECT_FALSE(Has(Described(2024, 2, 4), "交节时刻近子夜，日期或差一日"));
}

TEST(WideRange, TheDaysJustOutsideAreRejectedEverywhere) {
    for (const auto& [Year, Month, Day] : {std::tuple{1599, 12, 31}, std::tuple{2401, 1, 1}}) {
        const std::string Date = DateText(Year, Month, Day);
        TLunarDate Lunar;
        EXPECT_FALSE(SolarToLunarDate(Year, Month, Day, Lunar)) << Date;
        EXPECT_FALSE(DayDetailsOf(Year, Month, Day, NoHolidays)) << Date;
        EXPECT_FALSE(IsSupportedDate(Year, Month, Day)) << Date;
        EXPECT_FALSE(NewMoonNearMidnight(Year, Month, Day)) << Date;
        TTermMoment Moment;
        EXPECT_FALSE(SolarTermMoment(Year, Month == 12 ? 24 : 1, Moment)) << Date;
        EXPECT_EQ(SolarTermDay(Year, 1), 0) << Date;
    }
    TTermMoment Moment;
    EXPECT_FALSE(SolarTermMoment(2024, 0, Moment));
    EXPECT_FALSE(SolarTermMoment(2024, 25, Moment));
}

// Every day of 1600 .. 2400 hashed as the generator hashed its own computation, a year at a
// time, so a wrong byte of the table or a wrong step of its reading shows with its year.
TEST(WideRange, TheTableGivesTheGeneratorsCalendarOnEveryDay) {
    using namespace std::chrono;
    std::vector<int> WrongYears;
    for (int Year = FirstSupportedYear; Year <= LastSupportedYear; ++Year) {
        std::uint64_t Hash = 0xCBF29CE484222325ULL;
        const auto Mix = [&Hash](std::int32_t Value) {
            for (int Byte = 0; Byte < 4; ++Byte) {
                Hash ^= static_cast<std::uint32_t>(Value) >> (8 * Byte) & 0xFF;
                Hash *= 0x100000001B3ULL;
            }
        };
        for (int Month = 1; Month <= 12; ++Month) {
            for (int Day = 1; Day <= GetMonthDays(Year, Month); ++Day) {
                TLunarDate Lunar;
                ASSERT_TRUE(SolarToLunarDate(Year, Month, Day, Lunar));
                const int Term = GetSolarTermNo(Year, Month, Day);
                TTermMoment Moment;
                std::int32_t Minutes = -1;
                if (Term != 0 && SolarTermMoment(Year, Term, Moment)) {
                    const sys_days MomentDay{year_month_day{
                        year{Moment.Year}, month{static_cast<unsigned>(Moment.Month)},
                        day{static_cast<unsigned>(Moment.Day)}}};
                    Minutes =
                        static_cast<std::int32_t>(MomentDay.time_since_epoch().count() * 1440 +
                                                  Moment.Hour * 60 + Moment.Minute);
                }
                for (const std::int32_t Value :
                     {Year, Month, Day, Lunar.Year, Lunar.Month, Lunar.Day, Lunar.Leap ? 1 : 0,
                      Term, Minutes, Term != 0 && Moment.NearMidnight ? 1 : 0,
                      NewMoonNearMidnight(Year, Month, Day) ? 1 : 0}) {
                    Mix(Value);
                }
            }
        }
        if (Hash != ComputedYearDigests[static_cast<std::size_t>(Year - FirstSupportedYear)]) {
            WrongYears.push_back(Year);
        }
    }
    EXPECT_TRUE(WrongYears.empty())
        << WrongYears.size() << " years differ, the first " << WrongYears.front();
}
