// The month pages: the layout of a five-row and a six-row month, aligned for double-width
// characters, and the today mark.

#include "RuxaCalFixture.h"
#include "terminal/DisplayWidth.h"

namespace {

const char* const February2024 = R"(
               2024年2月 甲辰龙年|
  日     一     二     三     四     五     六|
                              1      2      3|
                             廿二   廿三   廿四|
|
  4      5      6      7      8      9      10|
 廿五   廿六   廿七   廿八   廿九   三十   正月|
 立春|
  11     12     13     14     15     16     17|
 初二   初三   初四   初五   初六   初七   初八|
|
  18     19     20     21     22     23     24|
 初九   初十   十一   十二   十三   十四   十五|
        雨水|
  25     26     27     28     29|
 十六   十七   十八   十九   二十|
|
)";

const char* const June2024 = R"(
               2024年6月 甲辰龙年|
  日     一     二     三     四     五     六|
                                            1|
                                           廿五|
|
  2      3      4      5      6      7      8|
 廿六   廿七   廿八   廿九   五月   初二   初三|
                      芒种|
  9      10     11     12     13     14     15|
 初四   初五   初六   初七   初八   初九   初十|
|
  16     17     18     19     20     21     22|
 十一   十二   十三   十四   十五   十六   十七|
                                    夏至|
  23     24     25     26     27     28     29|
 十八   十九   二十   廿一   廿二   廿三   廿四|
|
  30|
 廿五|
|
)";

// The pages above end each line with "|" so that trailing blanks would show.
std::string Page(const char* Text) {
    std::string Page = Text + 1;
    std::erase(Page, '|');
    return Page;
}

} // namespace

TEST_F(RuxaCalTest, FebruaryAndJuneOf2024AreLaidOutSundayFirst) {
    const TCalRun February = Run({"2024", "2"});
    ASSERT_EQ(February.Status, 0) << February.Err;
    EXPECT_EQ(February.Out, Page(February2024));
    // June 2024 begins on a Saturday and needs six weeks.
    EXPECT_EQ(Run({"2024", "6"}).Out, Page(June2024));
}

TEST_F(RuxaCalTest, ColumnsLineUpForWideCharacters) {
    // 2023-03-22, a Wednesday, is 闰二月初一: three wide characters fill its six columns,
    // and Thursday's 初二 still starts one column into the next cell.
    std::istringstream In(Run({"2023", "3"}).Out);
    std::string Line;
    while (std::getline(In, Line) && Line.find("闰二月") == std::string::npos) {
    }
    ASSERT_FALSE(Line.empty());
    EXPECT_EQ(DisplayWidth(Line.substr(0, Line.find("闰二月"))), 3 * 7);
    EXPECT_EQ(DisplayWidth(Line.substr(0, Line.find("初二"))), 4 * 7 + 1);
    EXPECT_EQ(DisplayWidth(Line), 6 * 7 + 5) << "Saturday's 初四 ends the line";
}

TEST_F(RuxaCalTest, TodayIsHighlightedOnlyWithColour) {
    EXPECT_EQ(Run({}).Out, Page(February2024)) << "today's month, no colour";
    Surroundings.Colour = true;
    const std::string Coloured = Run({}).Out;
    EXPECT_NE(Coloured.find("\x1b[7m10\x1b[27m"), std::string::npos) << Coloured;
    EXPECT_EQ(Run({"2024", "3"}).Out.find('\x1b'), std::string::npos);
}

TEST_F(RuxaCalTest, YearHasTwelveMonthsUnderItsHeading) {
    const TCalRun Year = Run({"2024"});
    ASSERT_EQ(Year.Status, 0);
    EXPECT_TRUE(Year.Out.starts_with("                2024年 甲辰龙年\n")) << Year.Out;
    for (int Month = 1; Month <= 12; ++Month) {
        EXPECT_NE(Year.Out.find(" " + std::to_string(Month) + "月\n"), std::string::npos);
    }
}
