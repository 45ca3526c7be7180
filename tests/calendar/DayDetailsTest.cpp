// The details of known days: leap months, the four pillars, traditional festivals and the
// public holidays of the shipped table.

#include "calendar/DayDetails.h"
#include "calendar/GanZhi.h"
#include "platform/HolidayFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Joined(const TFestivalList& List) {
    std::string Text;
    for (const std::string_view Name : List) {
        Text += (Text.empty() ? "" : ",") + std::string(Name);
    }
    return Text;
}

struct TKnownDay {
    int Year, Month, Day;
    const char* LongLunar;
    const char* Term;
    const char* Pillars; // year, month and day, by 立春 and the 节
    const char* LunarYearPillar;
    const char* Traditional;
    const char* Holiday; // "休春节", "班春节" or ""
};

const THolidayTable& ShippedTable() {
    static const THolidaysRead Read = ReadHolidayFiles(ShippedHolidayFile(), "");
    return Read.Table;
}

} // namespace

TEST(DayDetails, KnownDays) {
    const TKnownDay Cases[] = {
        {2023, 3, 22, "农历癸卯年闰二月初一", "", "癸卯 乙卯 己卯", "癸卯", "", ""},
        {2023, 2, 20, "农历癸卯年二月初一", "", "癸卯 甲寅 己酉", "癸卯", "", ""},
        {2033, 12, 22, "农历癸丑年闰十一月初一", "", "癸丑 甲子 丁未", "癸丑", "", ""},
        {2024, 2, 4, "农历癸卯年十二月廿五", "立春", "甲辰 丙寅 戊戌", "癸卯", "", "班春节"},
        {2024, 2, 3, "农历癸卯年十二月廿四", "", "癸卯 乙丑 丁酉", "癸卯", "南方小年", ""},
        {2024, 2, 9, "农历癸卯年十二月三十", "", "甲辰 丙寅 癸卯", "癸卯", "除夕", ""},
        {2024, 2, 10, "农历甲辰年正月初一", "", "甲辰 丙寅 甲辰", "甲辰", "春节", "休春节"},
        {2024, 4, 3, "农历甲辰年二月廿五", "", "甲辰 丁卯 丁酉", "甲辰", "寒食节", ""},
        {2024, 4, 4, "农历甲辰年二月廿六", "清明", "甲辰 戊辰 戊戌", "甲辰", "清明节", "休清明节"},
        {2020, 1, 24, "农历己亥年十二月三十", "", "己亥 丁丑 丙寅", "己亥", "除夕", "休春节"},
        {2020, 2, 1, "农历庚子年正月初八", "", "己亥 丁丑 甲戌", "庚子", "", "休春节"},
        {2020, 2, 2, "农历庚子年正月初九", "", "己亥 丁丑 乙亥", "庚子", "", "休春节"},
        {2024, 9, 17, "农历甲辰年八月十五", "", "甲辰 癸酉 甲申", "甲辰", "中秋节", "休中秋节"},
        {1901, 1, 1, "农历庚子年十一月十一", "", "庚子 戊子 己卯", "庚子", "", ""},
        {1901, 2, 18, "农历庚子年十二月三十", "", "辛丑 庚寅 丁卯", "庚子", "除夕", ""},
        {2050, 12, 31, "农历庚午年十一月十八", "", "庚午 戊子 乙酉", "庚午", "", ""},
    };
    for (const TKnownDay& C : Cases) {
        const std::string Date =
            std::to_string(C.Year) + "-" + std::to_string(C.Month) + "-" + std::to_string(C.Day);
        const auto Details = DayDetailsOf(C.Year, C.Month, C.Day, ShippedTable());
        ASSERT_TRUE(Details) << Date;
        EXPECT_EQ(LongLunarText(Details->Lunar), C.LongLunar) << Date;
        EXPECT_EQ(Details->TermName, C.Term) << Date;
        EXPECT_EQ(PillarName(Details->YearPillar) + " " + PillarName(Details->MonthPillar) + " " +
                      PillarName(Details->DayPillar),
                  C.Pillars)
            << Date;
        EXPECT_EQ(PillarName(Details->LunarYearPillar), C.LunarYearPillar) << Date;
        EXPECT_EQ(Joined(Details->Traditional), C.Traditional) << Date;
        EXPECT_EQ(std::string(HolidayKindText(Details->Holiday->Kind)) + Details->Holiday->Name,
                  C.Holiday)
            << Date;
    }
}

TEST(DayDetails, NoLunarFestivalInALeapMonth) {
    // Lunar 2023 repeats its second month: 龙抬头 falls on 二月初二 only, not on 闰二月初二.
    const auto First = DayDetailsOf(2023, 2, 21, ShippedTable());
    const auto Leap = DayDetailsOf(2023, 3, 23, ShippedTable());
    ASSERT_TRUE(First && Leap);
    EXPECT_FALSE(First->Lunar.Leap);
    EXPECT_EQ(Joined(First->Traditional), "龙抬头");
    EXPECT_TRUE(Leap->Lunar.Leap);
    EXPECT_EQ(Leap->Lunar.Day, 2);
    EXPECT_EQ(Joined(Leap->Traditional), "");
}

TEST(DayDetails, DatesOutsideTheRangeOrImpossibleHaveNoDetails) {
    const THolidayTable Empty;
    EXPECT_FALSE(DayDetailsOf(1599, 12, 31, Empty));
    EXPECT_FALSE(DayDetailsOf(2401, 1, 1, Empty));
    EXPECT_FALSE(DayDetailsOf(2023, 2, 29, Empty));
    EXPECT_FALSE(DayDetailsOf(2024, 13, 1, Empty));
    EXPECT_TRUE(DayDetailsOf(2024, 2, 29, Empty));
}

TEST(DayDetails, ZodiacAnimalFollowsTheYearPillar) {
    EXPECT_EQ(PillarAnimal(YearPillar(2024, 2, 4)), "龙");
    EXPECT_EQ(PillarAnimal(YearPillar(2024, 2, 3)), "兔");
}
