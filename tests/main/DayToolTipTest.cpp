// The tooltip text of a day: its details and the notes of that day as the file holds them
// at the moment of asking.

#include "main/DayToolTip.h"
#include "platform/HolidayFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

class DayToolTipTest : public testing::Test {
protected:
    void WriteNotes(const std::string& Days) const {
        std::ofstream(NotesFile, std::ios::binary)
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表>" << Days << "</便签列表>";
    }

    std::string Text(int Year, int Month, int Day) const {
        return DayToolTipText(Year, Month, Day, Holidays.Table, NotesFile);
    }

    QTemporaryDir Folder;
    std::string NotesFile = Folder.filePath("Notes.xml").toStdString();
    THolidaysRead Holidays = ReadHolidayFiles(ShippedHolidayFile(), "");
};

} // namespace

TEST_F(DayToolTipTest, WorkDayWithATermAndTheNotesOfThatDayOnly) {
    WriteNotes("<Date2024-02-04><标题>值班</标题><日期>2024-02-04 09:00</日期><提醒>是</提醒>"
               "<内容/><标题>备年货</标题><日期></日期><提醒>否</提醒><内容/></Date2024-02-04>"
               "<Date2024-02-05><标题>别的日子</标题><日期/><提醒>否</提醒><内容/>"
               "</Date2024-02-05>");
    EXPECT_EQ(Text(2024, 2, 4), "2024年2月4日 星期日\n"
                                "农历癸卯年十二月廿五\n"
                                "甲辰年 丙寅月 戊戌日 属龙\n"
                                "节气：立春 16:27\n"
                                "班：春节\n"
                                "便签：\n"
                                "  09:00 值班\n"
                                "  备年货");
}

TEST_F(DayToolTipTest, NotesAreReadAtTheMomentOfAsking) {
    EXPECT_EQ(Text(2023, 3, 22), "2023年3月22日 星期三\n"
                                 "农历癸卯年闰二月初一\n"
                                 "癸卯年 乙卯月 己卯日 属兔\n"
                                 "节日：世界水日")
        << "no notes file, no notes";
    WriteNotes("<Date2023-03-22><标题>春游</标题><日期>另定</日期><提醒>否</提醒><内容/>"
               "</Date2023-03-22>");
    EXPECT_TRUE(Text(2023, 3, 22).ends_with("\n便签：\n  另定 春游"));
    WriteNotes("");
    EXPECT_TRUE(Text(2023, 3, 22).ends_with("节日：世界水日"));
}

TEST_F(DayToolTipTest, NoTextOutsideTheCalendar) {
    EXPECT_EQ(Text(1599, 12, 31), "");
    EXPECT_EQ(Text(2401, 1, 1), "");
}

TEST_F(DayToolTipTest, EachLineIsCutWithAnEllipsis) {
    const std::string Title(1000000, 'A');
    WriteNotes("<Date2024-02-04><标题>" + Title + "</标题><日期/><提醒>否</提醒><内容/>" +
               "</Date2024-02-04>");
    const std::string Tip = Text(2024, 2, 4);
    EXPECT_TRUE(Tip.ends_with("\n  " + Title.substr(0, MaxToolTipLineCharacters - 3) + "…"))
        << Tip.substr(0, 400);
}
