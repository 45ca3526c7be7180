// ruxa-cal --notes: every note occurrence of a range, one a line, by day and time.

#include "RuxaCalFixture.h"

#include <gtest/gtest.h>

TEST_F(RuxaCalTest, NotesListsEveryOccurrenceByDayAndTime) {
    WriteNotes("<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表>"
               "<Date2000-01-01><标题>测试</标题><日期>2000-01-01</日期><提醒>是</提醒>"
               "<内容/></Date2000-01-01>"
               "<Date2024-02-10><标题>晚饭</标题><日期>2024-02-10 18:30</日期><提醒>是</提醒>"
               "<内容/><标题>买\t菜\n</标题><日期/><提醒>否</提醒><内容/>"
               "<标题>早会</标题><日期>2024-02-10 09:00</日期><提醒>否</提醒><内容/>"
               "<重复>每周</重复></Date2024-02-10>"
               "<Date2023-02-09><标题>十五</标题><日期>2023-02-09 08:00</日期><提醒>否</提醒>"
               "<内容/><重复>每月农历</重复></Date2023-02-09></便签列表>");
    const TCalRun One = Run({"--notes", "2024-02-10"});
    EXPECT_EQ(One.Status, 0) << One.Err;
    EXPECT_EQ(One.Out, "2024-02-10\t买?菜?\n"
                       "2024-02-10 09:00\t早会\n"
                       "2024-02-10 18:30\t晚饭\n");
    // 2023-02-09 was 正月十九; 2024-02-28 is 正月十九 too, and 2024-02-17 a Saturday.
    const TCalRun Range = Run({"--notes", "2024-02-11", "2024-02-28"});
    EXPECT_EQ(Range.Status, 0) << Range.Err;
    EXPECT_EQ(Range.Out, "2024-02-17 09:00\t早会\n"
                         "2024-02-24 09:00\t早会\n"
                         "2024-02-28 08:00\t十五\n");
    EXPECT_EQ(Run({"--notes", "2000-01-01"}).Out, "");
}

TEST_F(RuxaCalTest, NotesTakesTheDatesAndFaultsOfTable) {
    WriteNotes("<便签列表/>");
    for (const std::vector<std::string>& Args :
         std::vector<std::vector<std::string>>{{"--notes"},
                                               {"--notes", "2024-02-30"},
                                               {"--notes", "1599-12-31"},
                                               {"--notes", "2024-02-10", "2024-02-09"},
                                               {"--notes", "2024-02-10", "2024-02-11", "x"}}) {
        const TCalRun Run = this->Run(Args);
        EXPECT_EQ(Run.Status, 2) << testing::PrintToString(Args);
        EXPECT_EQ(Run.Out, "");
    }
    WriteNotes("<便签列表><Date2024-05-01><标题>半截");
    const TCalRun Damaged = Run({"--notes", "2024-05-01"});
    EXPECT_EQ(Damaged.Status, 1);
    EXPECT_EQ(Damaged.Out, "");
}
