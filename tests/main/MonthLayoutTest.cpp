#include "main/MonthLayout.h"

#include <gtest/gtest.h>

namespace {

const std::string& CellAt(const TMonthLayout& Layout, int Col, int Row) {
    return Layout.Cells[static_cast<std::size_t>((Row - 1) * WeekDays + Col)];
}

struct TMonthShape {
    int Year;
    int Month;
    int FirstCol;
    int Last;
};

class MonthShapeTest : public testing::TestWithParam<TMonthShape> {};

// Every cell before day 1 and after the last day is empty; every other cell starts with its
// own day number followed by a carriage return.
TEST_P(MonthShapeTest, DaysFillTheirCellsAndNothingElse) {
    const TMonthShape& Shape = GetParam();
    const TMonthLayout Layout = LayOutMonth(Shape.Year, Shape.Month);
    EXPECT_EQ(Layout.FirstCol, Shape.FirstCol);
    EXPECT_EQ(Layout.Last, Shape.Last);
    for (int Index = 0; Index < MonthWeeks * WeekDays; ++Index) {
        const int Day = Index - Shape.FirstCol + 1;
        const std::string& Text = Layout.Cells[static_cast<std::size_t>(Index)];
        if (Day < 1 || Day > Shape.Last)
            EXPECT_EQ(Text, "") << "cell " << Index;
        else
            EXPECT_EQ(Text.substr(0, Text.find('\r') + 1), std::to_string(Day) + '\r')
                << "cell " << Index;
    }
}

INSTANTIATE_TEST_SUITE_P(Months, MonthShapeTest,
                         testing::Values(TMonthShape{2015, 2, 0, 28}, TMonthShape{2012, 9, 6, 30},
                                         TMonthShape{2012, 12, 6, 31},
                                         TMonthShape{2012, 10, 1, 31}));

TEST(MonthLayout, FebruaryStartingOnSundayFillsFourRowsExactly) {
    const TMonthLayout Layout = LayOutMonth(2015, 2);
    EXPECT_EQ(CellAt(Layout, 0, 1).substr(0, 2), "1\r");
    EXPECT_EQ(CellAt(Layout, 6, 4).substr(0, 3), "28\r");
    for (int Row = 5; Row <= 6; ++Row)
        for (int Col = 0; Col < WeekDays; ++Col)
            EXPECT_EQ(CellAt(Layout, Col, Row), "");
}

TEST(MonthLayout, MonthsStartingOnSaturdayReachIntoRowSix) {
    const TMonthLayout September = LayOutMonth(2012, 9);
    EXPECT_EQ(CellAt(September, 6, 1).substr(0, 2), "1\r");
    EXPECT_EQ(CellAt(September, 0, 6).substr(0, 3), "30\r");
    EXPECT_EQ(CellAt(September, 1, 6), "");
    const TMonthLayout December = LayOutMonth(2012, 12);
    EXPECT_EQ(CellAt(December, 1, 6).substr(0, 3), "31\r");
    EXPECT_EQ(CellAt(December, 2, 6), "");
}

struct TCellText {
    int Year;
    int Month;
    int Day;
    const char* Text;
};

class DayCellTextTest : public testing::TestWithParam<TCellText> {};

TEST_P(DayCellTextTest, ThreeLinesJoinedByCarriageReturns) {
    const TCellText& Case = GetParam();
    EXPECT_EQ(DayCellText(Case.Year, Case.Month, Case.Day), Case.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Days, DayCellTextTest,
    testing::Values(
        // An ordinary day: the lunar day and an empty third line.
        TCellText{2012, 10, 9, "9\r廿四\r"},
        // The first day of a lunar month shows the month's name.
        TCellText{2012, 10, 15, "15\r九月\r"},
        // A solar term in the third line.
        TCellText{2012, 10, 23, "23\r初九\r霜降"},
        // The lunar new year is written 正月, and 2012-01-23 is no solar-term day.
        TCellText{2012, 1, 23, "23\r正月\r"},
        // A month that starts on a solar term.
        TCellText{2012, 10, 8, "8\r廿三\r寒露"}));

} // namespace
