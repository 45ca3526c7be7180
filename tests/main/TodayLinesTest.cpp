#include "main/TodayLines.h"

#include <gtest/gtest.h>

namespace {

struct TTodayCase {
    int Year;
    int Month;
    int Day;
    const char* Holiday;
    const char* Lunar;
    const char* DayText;
};

class TodayLinesTest : public testing::TestWithParam<TTodayCase> {};

TEST_P(TodayLinesTest, BothLinesAndTheDayNumber) {
    const TTodayCase& Case = GetParam();
    const TDateTime Today = EncodeDateTime(Case.Year, Case.Month, Case.Day, 9, 30, 0);
    EXPECT_EQ(HolidayLine(Today), Case.Holiday);
    EXPECT_EQ(LunarLine(Today), Case.Lunar);
    EXPECT_EQ(TodayDayText(Today), Case.DayText);
}

INSTANTIATE_TEST_SUITE_P(
    Days, TodayLinesTest,
    testing::Values(
        TTodayCase{2012, 10, 1, "公历：2012-10-01 国庆节", "农历：二零一二年八月十六 ", "01"},
        // No festival and no solar term: both lines end in the blank between their values.
        TTodayCase{2012, 10, 6, "公历：2012-10-06 ", "农历：二零一二年八月廿一 ", "06"},
        TTodayCase{2012, 10, 8, "公历：2012-10-08 ", "农历：二零一二年八月廿三 寒露", "08"},
        // Before the lunar new year the lunar year is still the one before.
        TTodayCase{2015, 2, 5, "公历：2015-02-05 ", "农历：二零一四年十二月十七 ", "05"},
        // Outside the lunar tables only the Gregorian line keeps its values.
        TTodayCase{2401, 1, 1, "公历：2401-01-01 元旦节", "农历： ", "01"},
        TTodayCase{1599, 10, 1, "公历：1599-10-01 国庆节", "农历： ", "01"}));

} // namespace
