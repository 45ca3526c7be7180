#include "calendar/UCalendar.h"

#include <gtest/gtest.h>

#include <string>

TEST(FestivalName, KeyedByMonthAndDayAlone) {
    struct Case {
        TDateTime Date;
        const char* Name;
    };
    for (const Case& C :
         {Case{EncodeDate(2012, 1, 1), "元旦节"}, Case{EncodeDate(2012, 10, 1), "国庆节"},
          Case{EncodeDate(2012, 3, 5), "中国青年志愿者服务日"},
          Case{EncodeDate(2012, 12, 21), "国际篮球日"},
          Case{EncodeDate(1901, 7, 1), "香港回归纪念日"},
          Case{EncodeDate(2050, 7, 1), "香港回归纪念日"},
          Case{EncodeDate(1901, 12, 20), "澳门回归纪念日"},
          Case{EncodeDate(1800, 5, 4), "中国青年节"},
          Case{EncodeDateTime(2012, 5, 1, 23, 59, 59, 999), "国际劳动节"},
          Case{EncodeDate(2012, 12, 31), ""}, Case{EncodeDate(2012, 2, 29), ""},
          Case{EncodeDate(2012, 12, 25), ""}, Case{EncodeDate(2012, 1, 2), ""}}) {
        EXPECT_EQ(FestivalName(C.Date), C.Name) << FormatDateTime("yyyy-mm-dd hh:nn", C.Date);
    }
}

TEST(SolarTerms, TermDaysTheirNumbersAndNames) {
    struct Case {
        int Year, Month, Day;
        int Number;
        const char* Name;
    };
    for (const Case& C :
         {Case{1901, 1, 6, 1, "小寒"}, Case{1901, 1, 21, 2, "大寒"}, Case{1901, 1, 5, 0, ""},
          Case{2012, 2, 4, 3, "立春"}, Case{2012, 2, 19, 4, "雨水"}, Case{2012, 4, 4, 7, "清明"},
          Case{2012, 6, 5, 11, "芒种"}, Case{2012, 6, 21, 12, "夏至"},
          Case{2012, 10, 23, 20, "霜降"}, Case{2012, 12, 21, 24, "冬至"},
          Case{2033, 7, 22, 14, "大暑"}, Case{2033, 7, 23, 0, ""}, Case{2050, 12, 7, 23, "大雪"},
          Case{2050, 12, 22, 24, "冬至"}, Case{2012, 1, 15, 0, ""}, Case{1599, 12, 22, 0, ""},
          Case{2401, 1, 5, 0, ""}}) {
        const std::string Date =
            std::to_string(C.Year) + "-" + std::to_string(C.Month) + "-" + std::to_string(C.Day);
        EXPECT_EQ(GetSolarTermNo(C.Year, C.Month, C.Day), C.Number) << Date;
        EXPECT_EQ(SolarTermName(EncodeDateTime(C.Year, C.Month, C.Day, 18, 30, 0)), C.Name) << Date;
    }
}

TEST(SolarTerms, NumbersOutsideTheTableAreZero) {
    EXPECT_EQ(GetSolarTermNo(2012, 0, 6), 0);
    EXPECT_EQ(GetSolarTermNo(2012, 13, 6), 0);
    EXPECT_EQ(GetSolarTermNo(2012, -1, 6), 0);
    EXPECT_EQ(GetSolarTermNo(1, 1, 6), 0);
    EXPECT_EQ(GetSolarTermNo(-2000, 1, 6), 0);
}
