// The command line: the machine-readable table, the day's details and the errors.

#include "RuxaCalFixture.h"

TEST_F(RuxaCalTest, TableLinesOfChosenDays) {
    const TCalRun Run = this->Run({"--table", "2024-02-03", "2024-02-10"});
    ASSERT_EQ(Run.Status, 0) << Run.Err;
    EXPECT_EQ(Run.Err, "");
    std::vector<std::string> Lines;
    std::istringstream In(Run.Out);
    for (std::string Line; std::getline(In, Line);) {
        Lines.push_back(Line);
    }
    ASSERT_EQ(Lines.size(), 8U);
    EXPECT_EQ(Lines[0], "2024-02-03\t2023\t12\t24\t0\t\t癸卯\t乙丑\t丁酉\t癸卯\t\t南方小年\t\t");
    EXPECT_EQ(Lines[1], "2024-02-04\t2023\t12\t25\t0\t立春\t甲辰\t丙寅\t戊戌\t癸卯\t\t\t班\t16:27");
    EXPECT_EQ(Lines[6], "2024-02-09\t2023\t12\t30\t0\t\t甲辰\t丙寅\t癸卯\t癸卯\t\t除夕\t\t");
    EXPECT_EQ(Lines[7],
              "2024-02-10\t2024\t1\t1\t0\t\t甲辰\t丙寅\t甲辰\t甲辰\t国际气象节\t春节\t休\t");

    const TCalRun Leap = this->Run({"--table", "2023-03-22", "2023-03-22"});
    EXPECT_EQ(Leap.Out, "2023-03-22\t2023\t2\t1\t1\t\t癸卯\t乙卯\t己卯\t癸卯\t世界水日\t\t\t\n");
    const TCalRun Cold = this->Run({"--table", "2024-04-03", "2024-04-04"});
    EXPECT_EQ(Cold.Out,
              "2024-04-03\t2024\t2\t25\t0\t\t甲辰\t丁卯\t丁酉\t甲辰\t\t寒食节\t\t\n"
              "2024-04-04\t2024\t2\t26\t0\t清明\t甲辰\t戊辰\t戊戌\t甲辰\t\t清明节\t休\t15:02\n");
}

TEST_F(RuxaCalTest, DayShowsTheDetailsAndTheNotesOfThatDay) {
    WriteNotes("<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表>"
               "<Date2024-02-10><标题>拜年</标题><日期>2024-02-10 10:00</日期><提醒>是</提醒>"
               "<内容>给长辈</内容></Date2024-02-10>"
               "<Date2024-02-11><标题>别的日子</标题><日期></日期><提醒>否</提醒><内容/>"
               "</Date2024-02-11></便签列表>");
    const TCalRun Run = this->Run({"--day", "2024-02-10"});
    ASSERT_EQ(Run.Status, 0);
    EXPECT_EQ(Run.Out, "2024年2月10日 星期六\n"
                       "农历甲辰年正月初一\n"
                       "甲辰年 丙寅月 甲辰日 属龙\n"
                       "节日：国际气象节 春节\n"
                       "休：春节\n"
                       "便签：\n"
                       "  10:00 拜年\n");
}

TEST_F(RuxaCalTest, FaultyCommandLinesSayWhyOnOneLineAndPrintNothing) {
    struct Case {
        std::vector<std::string> Args;
        const char* Reason;
    };
    const Case Cases[] = {
        {{"--day", "1599-12-31"}, "日期超出范围（1600-01-01 至 2400-12-31）"},
        {{"--day", "2401-01-01"}, "超出范围"},
        {{"--table", "2400-12-31", "2401-01-01"}, "超出范围"},
        {{"--day", "2024-2-5"}, "日期格式有误"},
        {{"--day", "2024-02-30"}, "日期格式有误"},
        {{"--day", "tomorrow"}, "日期格式有误"},
        {{"--day", "2024-02-0\n\x1b[2J"}, "2024-02-0??[2J"},
        {{"--day"}, "需要一个日期"},
        {{"--table", "2024-02-10", "2024-02-09"}, "起始日期晚于结束日期"},
        {{"--ics", "2024-02-10"}, "起止两个日期"},
        {{"--week"}, "未知选项：--week"},
        {{"2024", "2", "--color"}, "未知选项：--color"},
        {{"1599"}, "年份超出范围（1600 至 2400）"},
        {{"2024", "13"}, "月份应为 1 至 12"},
        {{"二〇二四"}, "年份格式有误"},
        {{"2024", "2", "3"}, "多余的参数：3"},
        {{"--table", "2024-02-01", "2024-02-02", "--lunar-days"}, "多余的参数"},
        {{"--lunar-days"}, "只能跟在 --ics"},
    };
    for (const Case& C : Cases) {
        const TCalRun Run = this->Run(C.Args);
        const std::string Args = testing::PrintToString(C.Args);
        EXPECT_EQ(Run.Status, 2) << Args;
        EXPECT_EQ(Run.Out, "") << Args;
        EXPECT_TRUE(Run.Err.starts_with("ruxa-cal：")) << Run.Err;
        EXPECT_NE(Run.Err.find(C.Reason), std::string::npos) << Run.Err;
        EXPECT_EQ(Run.Err.find('\n'), Run.Err.size() - 1) << Run.Err;
    }
}

TEST_F(RuxaCalTest, MissingOrDamagedNotesFileEndsTheNotesFeedWithStatusOne) {
    const TCalRun Missing = Run({"--notes-ics"});
    EXPECT_EQ(Missing.Status, 1);
    EXPECT_EQ(Missing.Out, "");
    EXPECT_NE(Missing.Err.find("便签文件无法读取"), std::string::npos) << Missing.Err;

    WriteNotes("<便签列表><Date2024-05-01><标题>半截");
    const TCalRun Damaged = Run({"--notes-ics"});
    EXPECT_EQ(Damaged.Status, 1);
    EXPECT_EQ(Damaged.Out, "");
    EXPECT_NE(Damaged.Err.find("便签文件已损坏"), std::string::npos) << Damaged.Err;
}

TEST_F(RuxaCalTest, MalformedHolidayFileIsReportedAndLeftOut) {
    const std::string Local = (Folder / "holidays.csv").string();
    std::ofstream(Local) << "date,kind,holiday\n2024-02-05,休息,春节\n";
    Surroundings.Holidays = ReadHolidayFiles(ShippedHolidayFile(), Local);
    const TCalRun Run = this->Run({"--table", "2024-02-04", "2024-02-05"});
    EXPECT_EQ(Run.Status, 0);
    EXPECT_NE(Run.Err.find("第 2 行：类别应为 休 或 班"), std::string::npos) << Run.Err;
    EXPECT_NE(Run.Out.find("\t班\t16:27\n"), std::string::npos) << "the shipped table stands";
    EXPECT_NE(Run.Out.find("\t\n"), std::string::npos) << "2024-02-05 is an ordinary day";
}
