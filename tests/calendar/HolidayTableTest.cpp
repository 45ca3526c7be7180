// Reading the public-holiday table: the shipped file, a data-folder file that replaces
// whole years, and malformed files left out as a whole with the reason.

#include "platform/HolidayFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string HolidayText(const THolidayTable& Table, int Year, int Month, int Day) {
    const THoliday& Holiday = Table.Find(Year, Month, Day);
    return std::string(HolidayKindText(Holiday.Kind)) + Holiday.Name;
}

class HolidayFilesTest : public testing::Test {
protected:
    void SetUp() override {
        Folder = std::filesystem::temp_directory_path() /
                 ("holidays-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(Folder);
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }

    std::string Write(const std::string& Name, const std::string& Text) {
        const std::string Path = (Folder / Name).string();
        std::ofstream(Path, std::ios::binary) << Text;
        return Path;
    }

    std::filesystem::path Folder;
};

} // namespace

TEST(HolidayTable, ShippedFileIsTheReferenceArrangement) {
    std::ifstream Shipped(ShippedHolidayFile(), std::ios::binary);
    std::ifstream Reference(std::string(RUXA_REFERENCE_DIR) + "/holidays.csv", std::ios::binary);
    ASSERT_TRUE(Shipped && Reference);
    const std::string ShippedText{std::istreambuf_iterator<char>(Shipped), {}};
    const std::string ReferenceText{std::istreambuf_iterator<char>(Reference), {}};
    EXPECT_EQ(ShippedText, ReferenceText);

    const THolidaysRead Read = ReadHolidayFiles(ShippedHolidayFile(), "");
    EXPECT_TRUE(Read.Faults.empty());
    // 2004 to 2026 without 2006 and 2013.
    EXPECT_EQ(Read.Table.Years().size(), 21U);
    EXPECT_FALSE(Read.Table.Years().contains(2013));
    // December rows belong to the next year's 元旦 arrangement.
    EXPECT_EQ(HolidayText(Read.Table, 2006, 12, 30), "班元旦");
    EXPECT_TRUE(Read.Table.Years().contains(2007));
}

TEST_F(HolidayFilesTest, DataFolderFileReplacesWholeYearsAndAddsNewOnes) {
    const std::string Shipped = Write("shipped.csv", "date,kind,holiday\n"
                                                     "2024-01-01,休,元旦\n"
                                                     "2024-02-04,班,春节\n"
                                                     "2024-12-30,休,元旦\n"
                                                     "2025-01-01,休,元旦\n");
    // Replaces 2025 (which includes 2024-12-30 by its notice) and adds 2027.
    const std::string Local = Write("holidays.csv", "\xEF\xBB\xBF"
                                                    "date,kind,holiday\r\n"
                                                    "2025-01-02,休,元旦\r\n"
                                                    "2027-02-06,休,春节\r\n"
                                                    "\r\n");
    const THolidaysRead Read = ReadHolidayFiles(Shipped, Local);
    EXPECT_TRUE(Read.Faults.empty());
    EXPECT_EQ(HolidayText(Read.Table, 2024, 1, 1), "休元旦");
    EXPECT_EQ(HolidayText(Read.Table, 2024, 2, 4), "班春节");
    EXPECT_EQ(HolidayText(Read.Table, 2024, 12, 30), "");
    EXPECT_EQ(HolidayText(Read.Table, 2025, 1, 1), "");
    EXPECT_EQ(HolidayText(Read.Table, 2025, 1, 2), "休元旦");
    EXPECT_EQ(HolidayText(Read.Table, 2027, 2, 6), "休春节");
}

TEST_F(HolidayFilesTest, MalformedFileIsLeftOutWholeWithItsLine) {
    const std::string Shipped = Write("shipped.csv", "date,kind,holiday\n2024-02-04,班,春节\n");
    struct Case {
        const char* Text;
        const char* Reason;
    };
    const Case Cases[] = {
        {"", "文件为空"},
        {"day,kind,holiday\n2024-02-05,休,春节\n", "第 1 行"},
        {"date,kind,holiday\n2024-02-05,休,春节\n2024-02-06,休\n", "第 3 行"},
        {"date,kind,holiday\n2024-02-05,休,春节,多余\n", "第 2 行"},
        {"date,kind,holiday\n2024-2-5,休,春节\n", "日期无效"},
        {"date,kind,holiday\n2024-02-30,休,春节\n", "日期无效"},
        {"date,kind,holiday\n2401-01-01,休,元旦\n", "日期无效"},
        {"date,kind,holiday\n2024-02-05,假,春节\n", "类别"},
        {"date,kind,holiday\n2024-02-05,休,\n", "缺少节日名称"},
        {"date,kind,holiday\n2024-02-05,休,春节\n2024-02-05,班,春节\n", "日期重复"},
        {"date,kind,holiday\n2024-02-05,休,\x1b[2J春节\n", "控制字符"},
        {"date,kind,holiday\n2024-02-05,休,春\a节\n", "控制字符"},
        {"date,kind,holiday\n2024-02-05,休,\xC2\x9B"
         "31m春节\n",
         "控制字符"},
        {"date,kind,holiday\n2024-02-05,休,春\x7F节\n", "控制字符"},
    };
    for (const Case& C : Cases) {
        const std::string Local = Write("holidays.csv", C.Text);
        const THolidaysRead Read = ReadHolidayFiles(Shipped, Local);
        ASSERT_EQ(Read.Faults.size(), 1U) << C.Text;
        EXPECT_NE(Read.Faults[0].find(C.Reason), std::string::npos) << Read.Faults[0];
        EXPECT_NE(Read.Faults[0].find(Local), std::string::npos) << Read.Faults[0];
        EXPECT_EQ(Read.Faults[0].find('\n'), std::string::npos) << Read.Faults[0];
        // Nothing of the bad file is taken; the shipped table stands.
        EXPECT_EQ(HolidayText(Read.Table, 2024, 2, 5), "") << C.Text;
        EXPECT_EQ(HolidayText(Read.Table, 2024, 2, 4), "班春节") << C.Text;
    }
}

TEST_F(HolidayFilesTest, ANulInANameIsAFaultToo) {
    const std::string Shipped = Write("shipped.csv", "date,kind,holiday\n2024-02-04,班,春节\n");
    const std::string Local =
        Write("holidays.csv", std::string("date,kind,holiday\n2024-02-05,休,春\0节\n", 41));
    const THolidaysRead Read = ReadHolidayFiles(Shipped, Local);
    ASSERT_EQ(Read.Faults.size(), 1U);
    EXPECT_NE(Read.Faults[0].find("控制字符"), std::string::npos) << Read.Faults[0];
}

TEST_F(HolidayFilesTest, AVeryLongNameIsCutWithAnEllipsis) {
    std::string Name;
    for (int I = 0; I < 1000000; ++I)
        Name += "节";
    const std::string Shipped =
        Write("shipped.csv", "date,kind,holiday\n2024-02-04,班," + Name + "\n");
    const THolidaysRead Read = ReadHolidayFiles(Shipped, (Folder / "none.csv").string());
    EXPECT_TRUE(Read.Faults.empty());
    EXPECT_EQ(Read.Table.Find(2024, 2, 4).Name, Name.substr(0, 31 * 3) + "…");
}

// Anything in the data folder's place of the file but a file is a fault that is told; the
// shipped table stands.
TEST_F(HolidayFilesTest, WhatIsNotAFileIsAFault) {
    const std::string Shipped = Write("shipped.csv", "date,kind,holiday\n2024-02-04,班,春节\n");
    struct Case {
        const char* What;
        std::function<void(const std::string&)> Make;
    };
    const Case Cases[] = {
        {"a FIFO", [](const std::string& Path) { ::mkfifo(Path.c_str(), 0600); }},
        {"a folder", [](const std::string& Path) { std::filesystem::create_directory(Path); }},
        {"a link to a device",
         [](const std::string& Path) { std::filesystem::create_symlink("/dev/zero", Path); }},
        {"a dangling link",
         [](const std::string& Path) { std::filesystem::create_symlink("/nowhere", Path); }},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        const std::string Local = (Folder / "holidays.csv").string();
        std::filesystem::remove_all(Local);
        C.Make(Local);
        const THolidaysRead Read = ReadHolidayFiles(Shipped, Local);
        ASSERT_EQ(Read.Faults.size(), 1U);
        EXPECT_NE(Read.Faults[0].find(Local), std::string::npos) << Read.Faults[0];
        EXPECT_EQ(HolidayText(Read.Table, 2024, 2, 4), "班春节");
    }
}

TEST_F(HolidayFilesTest, MissingShippedFileIsAFaultAndAMissingLocalOneIsNot) {
    const THolidaysRead Read =
        ReadHolidayFiles((Folder / "none.csv").string(), (Folder / "also-none.csv").string());
    ASSERT_EQ(Read.Faults.size(), 1U);
    EXPECT_TRUE(Read.Table.Empty());
}
