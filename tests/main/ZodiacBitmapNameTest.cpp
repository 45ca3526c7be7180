#include "common/ZodiacBitmapName.h"
#include "calendar/UCalendar.h"

#include <gtest/gtest.h>

namespace {

TEST(ZodiacBitmapName, FindsTheAnimalOfTheYearName) {
    struct {
        int Year;
        const char* Name;
        const char* Picture;
    } const Cases[] = {{2012, "壬辰龙年", "BITMAP_17"},
                       {2013, "癸巳蛇年", "BITMAP_18"},
                       {2015, "乙未羊年", "BITMAP_20"}};
    for (const auto& Case : Cases) {
        EXPECT_EQ(CyclicYearName(Case.Year), Case.Name);
        EXPECT_EQ(ZodiacBitmapName(Case.Name), Case.Picture);
    }
}

TEST(ZodiacBitmapName, EveryYearOfTheRangeGetsItsOwnAnimal) {
    for (int Year = 1901; Year <= 2050; ++Year)
        EXPECT_EQ(ZodiacBitmapName(CyclicYearName(Year)),
                  "BITMAP_" + std::to_string(13 + (Year - 4) % 12))
            << Year;
}

TEST(ZodiacBitmapName, FirstAnimalInTableOrderWinsAndNoAnimalGivesNothing) {
    EXPECT_EQ(ZodiacBitmapName("猪鼠"), "BITMAP_13");
    EXPECT_EQ(ZodiacBitmapName("狗"), "BITMAP_23");
    EXPECT_EQ(ZodiacBitmapName("壬辰年"), "");
    EXPECT_EQ(ZodiacBitmapName(""), "");
}

} // namespace
