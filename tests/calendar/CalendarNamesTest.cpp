#include "calendar/UCalendar.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>
#include <vector>

TEST(CalendarNames, CyclicYearNamesRunThroughTheSixtyYearCycle) {
    struct Case {
        int Year;
        const char* Name;
    };
    for (const Case& C :
         {Case{4, "甲子鼠年"}, Case{63, "癸亥猪年"}, Case{64, "甲子鼠年"}, Case{1900, "庚子鼠年"},
          Case{1901, "辛丑牛年"}, Case{1984, "甲子鼠年"}, Case{2000, "庚辰龙年"},
          Case{2012, "壬辰龙年"}, Case{2033, "癸丑牛年"}, Case{2050, "庚午马年"},
          Case{INT_MAX, "丁卯兔年"}, Case{3, ""}, Case{0, ""}, Case{-56, ""}}) {
        EXPECT_EQ(CyclicYearName(C.Year), C.Name) << C.Year;
    }
}

TEST(CalendarNames, LunarMonthNames) {
    struct Case {
        int Month;
        bool LunarStyle;
        const char* Name;
    };
    for (const Case& C :
         {Case{1, true, "正月"}, Case{1, false, "一月"}, Case{2, false, "二月"},
          Case{10, true, "十月"}, Case{11, true, "十一月"}, Case{12, true, "十二月"},
          Case{12, false, "十二月"}, Case{0, true, ""}, Case{13, true, ""}, Case{-1, false, ""}}) {
        EXPECT_EQ(LunarMonthName(C.Month, C.LunarStyle), C.Name)
            << C.Month << (C.LunarStyle ? " lunar style" : "");
    }
}

TEST(CalendarNames, LunarDayNamesForEveryDayAndNoneOutside) {
    std::istringstream Expected("初一 初二 初三 初四 初五 初六 初七 初八 初九 初十 "
                                "十一 十二 十三 十四 十五 十六 十七 十八 十九 二十 "
                                "廿一 廿二 廿三 廿四 廿五 廿六 廿七 廿八 廿九 三十");
    int Day = 1;
    for (std::string Name; Expected >> Name; ++Day) {
        EXPECT_EQ(LunarDayName(Day), Name) << Day;
    }
    EXPECT_EQ(Day, 31);
    EXPECT_EQ(LunarDayName(0), "");
    EXPECT_EQ(LunarDayName(31), "");
}

TEST(CalendarNames, DigitNames) {
    const std::vector<std::string> Names = {"零", "一", "二", "三", "四",
                                            "五", "六", "七", "八", "九"};
    for (int Digit = 0; Digit < 10; ++Digit) {
        EXPECT_EQ(DigitName(Digit), Names[static_cast<std::size_t>(Digit)]) << Digit;
    }
    EXPECT_EQ(DigitName(-1), "");
    EXPECT_EQ(DigitName(10), "");
}

TEST(ChineseYearText, WritesTheFirstFourDigits) {
    EXPECT_EQ(ChineseYearText("2012"), "二零一二年");
    EXPECT_EQ(ChineseYearText("1900"), "一九零零年");
    EXPECT_EQ(ChineseYearText("2050"), "二零五零年");
    EXPECT_EQ(ChineseYearText("20123"), "二零一二年");
}

TEST(ChineseYearText, ANonDigitRaisesTheIntegerConversionErrorNamingIt) {
    struct Case {
        std::string_view Text;
        const char* Message;
    };
    // The view over "2019" that stops after three characters must not see the fourth.
    const std::string Buffer = "2019";
    const std::string Chinese = "二零一二";
    for (const Case& C :
         {Case{"20a2", "'a' is not a valid integer value"},
          Case{"+123", "'+' is not a valid integer value"},
          Case{" 2012", "' ' is not a valid integer value"},
          Case{Chinese, "'二' is not a valid integer value"},
          Case{"201", "'' is not a valid integer value"},
          Case{"", "'' is not a valid integer value"},
          Case{std::string_view(Buffer).substr(0, 3), "'' is not a valid integer value"},
          Case{std::string_view(Chinese).substr(0, 2),
               "'\xE4\xBA' is not a valid integer value"}}) {
        try {
            ChineseYearText(C.Text);
            ADD_FAILURE() << "'" << C.Text << "' was accepted";
        } catch (const EConvertError& Error) {
            EXPECT_STREQ(Error.what(), C.Message) << "for '" << C.Text << "'";
        }
    }
}
