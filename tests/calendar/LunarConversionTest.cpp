#include "calendar/UCalendar.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct TDate {
    int Year, Month, Day;
};

std::string Text(const TDate& Date) {
    return std::to_string(Date.Year) + "-" + std::to_string(Date.Month) + "-" +
           std::to_string(Date.Day);
}

} // namespace

TEST(SolarToLunar, KnownDatesAtTheEdgesOfMonthsYearsAndTheRange) {
    struct Case {
        TDate Solar, Lunar;
    };
    const Case Cases[] = {
        // Where the official tables begin: the end of lunar 1900 is computed.
        {{1901, 1, 1}, {1900, 11, 11}},
        {{1901, 1, 19}, {1900, 11, 29}},
        {{1901, 1, 20}, {1900, 12, 1}},
        {{1901, 2, 18}, {1900, 12, 30}},
        {{1901, 2, 19}, {1901, 1, 1}},
        // A new year in January.
        {{2012, 1, 22}, {2011, 12, 29}},
        {{2012, 1, 23}, {2012, 1, 1}},
        // Leap months carry the number of the month they repeat.
        {{2012, 4, 21}, {2012, 4, 1}},
        {{2012, 5, 20}, {2012, 4, 30}},
        {{2012, 5, 21}, {2012, 4, 1}},
        {{2012, 6, 19}, {2012, 5, 1}},
        {{2033, 11, 22}, {2033, 11, 1}},
        {{2033, 12, 22}, {2033, 11, 1}},
        {{2034, 1, 20}, {2033, 12, 1}},
        {{1984, 10, 24}, {1984, 10, 1}},
        {{1984, 11, 23}, {1984, 10, 1}},
        // Month lengths that older tables got wrong.
        {{2025, 4, 27}, {2025, 3, 30}},
        {{2025, 4, 28}, {2025, 4, 1}},
        {{2013, 6, 8}, {2013, 5, 1}},
        // The end of the official tables, and the computed years after them.
        {{2050, 1, 23}, {2050, 1, 1}},
        {{2050, 12, 31}, {2050, 11, 18}},
        {{2051, 2, 11}, {2051, 1, 1}},
    };
    for (const Case& C : Cases) {
        int Year = 0, Month = 0, Day = 0;
        ASSERT_TRUE(SolarToLunar(C.Solar.Year, C.Solar.Month, C.Solar.Day, Year, Month, Day))
            << Text(C.Solar);
        EXPECT_EQ(Text({Year, Month, Day}), Text(C.Lunar)) << "for " << Text(C.Solar);
    }
}

TEST(SolarToLunar, DatesOutsideTheRangeAreRejectedAndLeaveTheOutputs) {
    for (const TDate& Date :
         {TDate{1599, 12, 31}, TDate{2401, 1, 1}, TDate{1, 1, 1}, TDate{9999, 12, 31}}) {
        int Year = -7, Month = -8, Day = -9;
        EXPECT_FALSE(SolarToLunar(Date.Year, Date.Month, Date.Day, Year, Month, Day)) << Text(Date);
        EXPECT_EQ(Text({Year, Month, Day}), "-7--8--9") << Text(Date);
    }
}

TEST(DaysToLunar, CountsFromTheFirstSupportedDayAndRejectsOthers) {
    int Year = 0, Month = 0, Day = 0;
    ASSERT_TRUE(DaysToLunar(0, Year, Month, Day));
    EXPECT_EQ(Text({Year, Month, Day}), "1900-11-11");
    const int FirstDay = DateDiffDays(1600, 1, 1, 1901, 1, 1);
    ASSERT_TRUE(DaysToLunar(FirstDay, Year, Month, Day));
    EXPECT_EQ(Text({Year, Month, Day}), "1599-11-16");
    const int LastDay = DateDiffDays(2400, 12, 31, 1901, 1, 1);
    ASSERT_TRUE(DaysToLunar(LastDay, Year, Month, Day));
    EXPECT_EQ(Text({Year, Month, Day}), "2400-11-16");

    Year = Month = Day = -1;
    EXPECT_FALSE(DaysToLunar(FirstDay - 1, Year, Month, Day));
    EXPECT_FALSE(DaysToLunar(LastDay + 1, Year, Month, Day));
    EXPECT_EQ(Text({Year, Month, Day}), "-1--1--1");
}

TEST(GregorianDates, ImpossibleDatesRaiseTheDateEncodeError) {
    int Year = 0, Month = 0, Day = 0;
    const std::function<void(const TDate&)> Calls[] = {
        [](const TDate& D) { GetWeekDay(D.Year, D.Month, D.Day); },
        [](const TDate& D) { DateDiffDays(D.Year, D.Month, D.Day, 2012, 1, 1); },
        [](const TDate& D) { DateDiffDays(2012, 1, 1, D.Year, D.Month, D.Day); },
        [&](const TDate& D) { SolarToLunar(D.Year, D.Month, D.Day, Year, Month, Day); },
    };
    for (const TDate& Date :
         {TDate{2012, 2, 30}, TDate{2011, 2, 29}, TDate{2012, 1, 0}, TDate{2012, 0, 1},
          TDate{2012, 13, 1}, TDate{2012, 4, 31}, TDate{2051, 2, 30}, TDate{0, 1, 1}}) {
        for (const auto& Call : Calls) {
            try {
                Call(Date);
                ADD_FAILURE() << Text(Date) << " was accepted";
            } catch (const EConvertError& Error) {
                EXPECT_STREQ(Error.what(), "Invalid argument to date encode");
            }
        }
    }
}

TEST(GregorianDates, WeekDaysCountFromSunday) {
    struct Case {
        TDate Date;
        int WeekDay;
    };
    for (const Case& C : {Case{{1901, 1, 1}, 3}, Case{{2012, 1, 1}, 1}, Case{{2050, 12, 31}, 7},
                          Case{{1969, 12, 31}, 4}, Case{{2024, 2, 29}, 5}}) {
        EXPECT_EQ(GetWeekDay(C.Date.Year, C.Date.Month, C.Date.Day), C.WeekDay) << Text(C.Date);
    }
}

TEST(GregorianDates, MonthLengthsFollowTheLeapYearRule) {
    struct Case {
        int Year, Month, Days;
    };
    for (const Case& C :
         {Case{1900, 2, 28}, Case{2000, 2, 29}, Case{2012, 2, 29}, Case{2013, 2, 28},
          Case{2100, 2, 28}, Case{2012, 1, 31}, Case{2012, 4, 30}, Case{2012, 12, 31},
          Case{2012, 0, 0}, Case{2012, 13, 0}, Case{2012, -1, 0}}) {
        EXPECT_EQ(GetMonthDays(C.Year, C.Month), C.Days) << C.Year << "-" << C.Month;
    }
}

TEST(GregorianDates, DayDifferencesAreSigned) {
    EXPECT_EQ(DateDiffDays(1901, 1, 2, 1901, 1, 1), 1);
    EXPECT_EQ(DateDiffDays(1901, 1, 1, 1901, 1, 2), -1);
    EXPECT_EQ(DateDiffDays(2012, 3, 1, 2012, 2, 28), 2);
    EXPECT_EQ(DateDiffDays(2050, 12, 31, 1901, 1, 1), 54786);
}

TEST(LunarTables, MonthAndYearLengthsIncludingLeapMonths) {
    struct MonthCase {
        int Year, Month;
        std::uint32_t Days, LeapDays;
    };
    for (const MonthCase& C :
         {MonthCase{2012, 4, 30, 29}, MonthCase{2012, 5, 30, 0}, MonthCase{2050, 3, 29, 30},
          MonthCase{1903, 5, 29, 29}, MonthCase{1903, 6, 30, 0}, MonthCase{1598, 6, 30, 0},
          MonthCase{2401, 1, 30, 0}, MonthCase{2012, 0, 0, 0}, MonthCase{2012, 13, 0, 0},
          MonthCase{1598, 13, 0, 0}}) {
        const std::uint32_t Both = GetLunarMonthDays(C.Year, C.Month);
        EXPECT_EQ(Both & 0xFFFF, C.Days) << C.Year << "-" << C.Month;
        EXPECT_EQ(Both >> 16, C.LeapDays) << C.Year << "-" << C.Month;
    }

    struct YearCase {
        int Year, Days, LeapMonth;
    };
    for (const YearCase& C :
         {YearCase{1901, 354, 0}, YearCase{1903, 383, 5}, YearCase{1915, 354, 0},
          YearCase{1916, 355, 0}, YearCase{1984, 384, 10}, YearCase{2012, 384, 4},
          YearCase{2033, 384, 11}, YearCase{2050, 384, 3}, YearCase{1598, 360, 0},
          YearCase{2401, 360, 0}}) {
        EXPECT_EQ(GetLunarYearDays(C.Year), C.Days) << C.Year;
        EXPECT_EQ(GetLeapMonth(C.Year), C.LeapMonth) << C.Year;
    }
}
