#include "main/MonthLayout.h"

#include <gtest/gtest.h>

namespace {

struct TMonthShape {
    int Year;
    int Month;
    int FirstCol;
    int Last;
};

class MonthShapeTest : public testing::TestWithParam<TMonthShape> {};

// Every cell before day 1 and after the last day is empty; every other cell starts with its
// own day number followed by a carriage return, and the cell tells that day back.
TEST_P(MonthShapeTest, DaysFillTheirCellsAndNothingElse) {
    const TMonthShape& Shape = GetParam();
    const TMonthLayout Layout = LayOutMonth(Shape.Year, Shape.Month);
    EXPECT_EQ(Layout.FirstCol, Shape.FirstCol);
    EXPECT_EQ(Layout.Last, Shape.Last);
    for (int Index = 0; Index < MonthWeeks * WeekDays; ++Index) {
        const int Day = Index - Shape.FirstCol + 1;
        const std::string& Text = Layout.Cells[static_cast<std::size_t>(Index)];
        const bool HasDay = Day >= 1 && Day <= Shape.Last;
        EXPECT_EQ(DayInCell(Shape.Year, Shape.Month, Index % WeekDays, Index / WeekDays + 1),
                  HasDay ? Day : 0)
            << "cell " << Index;
        if (!HasDay)
            EXPECT_EQ(Text, "") << "cell " << Index;
        else
            EXPECT_EQ(Text.substr(0, Text.find('\r') + 1), std::to_string(Day) + '\r')
                << "cell " << Index;
    }
}

INSTANTIATE_TEST_SUITE_P(Months, MonthShapeTest,
                         testing::Values(
                             // A February starting on Sunday fills four rows exactly.
                             TMonthShape{2015, 2, 0, 28},
                             // Months starting on Saturday reach into row six.
                             TMonthShape{2012, 9, 6, 30}, TMonthShape{2012, 12, 6, 31},
                             TMonthShape{2012, 10, 1, 31}));

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
