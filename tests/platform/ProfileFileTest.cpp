#include "platform/ProfileFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sys/stat.h>

using platform::FindProfileValue;
using platform::ParseProfileInteger;
using platform::SetProfileValue;

TEST(ProfileFile, FindsValuesByTheLookupRules) {
    struct Case {
        const char* Text;
        const char* Key;
        std::optional<std::string> Expected;
    };
    const Case Cases[] = {
        {"[NoteSet]\nPosition=2\n", "Position", "2"},
        {"[noteset]\nposition=2\n", "Position", "2"},
        {"[ NoteSet ]\r\n  Alarm = 1 \r\n", "Alarm", "1"},
        {"[NoteSet]\nPosition=\n", "Position", ""},
        {"[Other]\nPosition=2\n", "Position", std::nullopt},
        {"Position=2\n[NoteSet]\n", "Position", std::nullopt},
        {"[NoteSet]\n;Position=2\n", "Position", std::nullopt},
        {"[NoteSet]\nPositionX=2\n", "Position", std::nullopt},
        {"[NoteSet]\nPosition 2\n", "Position", std::nullopt},
        {"[NoteSet]\nblend=3\n[Other]\nblend=4\n", "blend", "3"},
        {"[Other]\nblend=4\n[NoteSet]\nblend=3", "blend", "3"},
        {"[NoteSet]\nblend=3\nblend=5\n", "blend", "3"},
        // "\xB1\x5D" is one GBK character whose second byte is that of "]".
        {"[\xB1\x5D]\nblend=1\n[NoteSet]\nblend=6\n", "blend", "6"},
        {"[NoteSet]\nPosition=\xB5\xDA\n", "Position", "\xB5\xDA"},
        {"", "Position", std::nullopt},
    };
    for (const Case& C : Cases) {
        EXPECT_EQ(FindProfileValue(C.Text, "NoteSet", C.Key), C.Expected) << C.Text;
    }
}

TEST(ProfileFile, ReadsWholeNumbersOnly) {
    struct Case {
        const char* Text;
        std::optional<std::int32_t> Expected;
    };
    const Case Cases[] = {
        {"3", 3},
        {"-1", -1},
        {"+7", 7},
        {"0x3", 3},
        {"0X1f", 31},
        {"0xFFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"0x100000000", std::nullopt},
        {"0x", std::nullopt},
        {"0xg", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"3a", std::nullopt},
        {"1.5", std::nullopt},
        {"\xB5\xDA", std::nullopt},
    };
    for (const Case& C : Cases) {
        EXPECT_EQ(ParseProfileInteger(C.Text), C.Expected) << C.Text;
    }
}

TEST(ProfileFile, WritingChangesOneLineAndKeepsEveryOtherByte) {
    struct Case {
        const char* Before;
        const char* Key;
        const char* After;
    };
    const Case Cases[] = {
        {"", "Position", "[NoteSet]\nPosition=3\n"},
        {"; mine\r\n[NoteSet]\r\nposition = 1 \r\nAlarm=0\r\n", "Position",
         "; mine\r\n[NoteSet]\r\nPosition=3\r\nAlarm=0\r\n"},
        {"[NoteSet]\nAlarm=0\n\n[Other]\nx=1\n", "Position",
         "[NoteSet]\nAlarm=0\nPosition=3\n\n[Other]\nx=1\n"},
        {"[NoteSet]\nAlarm=0", "Position", "[NoteSet]\nAlarm=0\nPosition=3\n"},
        {"[Other]\nx=\xB5\xDA\n", "Position", "[Other]\nx=\xB5\xDA\n[NoteSet]\nPosition=3\n"},
        {"[Other]\r\nx=1", "Position", "[Other]\r\nx=1\r\n[NoteSet]\r\nPosition=3\r\n"},
        {"[NoteSet]\n", "Position", "[NoteSet]\nPosition=3\n"},
    };
    for (const Case& C : Cases) {
        EXPECT_EQ(SetProfileValue(C.Before, "NoteSet", C.Key, "3"), C.After) << C.Before;
    }
}

class ProfileFileOnDisk : public TempFolder {};

TEST_F(ProfileFileOnDisk, MissingFileGivesTheDefaultAndIsCreatedByAWrite) {
    const std::string Path = PathOf("Config.ini");
    EXPECT_EQ(platform::ReadProfileInteger(Path, "NoteSet", "blend", 10), 10);
    ASSERT_TRUE(platform::WriteProfileString(Path, "NoteSet", "blend", "4"));
    EXPECT_EQ(platform::ReadProfileInteger(Path, "NoteSet", "blend", 10), 4);
    EXPECT_EQ(ReadBytes(Path), "[NoteSet]\nblend=4\n");
}

// What stands under the name stays as it is, and no temporary file is left beside it.
TEST_F(ProfileFileOnDisk, AFileThatCannotBeReadOrWrittenIsNotReplaced) {
    const std::string Path = PathOf("Config.ini");
    struct Case {
        const char* What;
        std::function<void()> Make;
    };
    const Case Cases[] = {
        {"a folder", [&] { std::filesystem::create_directory(Path); }},
        {"a read-only file",
         [&] {
             WriteBytes(Path, "[NoteSet]\nblend=2\n");
             std::filesystem::permissions(Path, std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::group_read);
         }},
        {"a FIFO", [&] { ASSERT_EQ(mkfifo(Path.c_str(), 0600), 0); }},
    };
    for (const Case& C : Cases) {
        C.Make();
        const auto Before = std::filesystem::symlink_status(Path);
        EXPECT_FALSE(platform::WriteProfileString(Path, "NoteSet", "blend", "4")) << C.What;
        const auto After = std::filesystem::symlink_status(Path);
        EXPECT_EQ(After.type(), Before.type()) << C.What;
        EXPECT_EQ(After.permissions(), Before.permissions()) << C.What;
        if (std::filesystem::is_regular_file(Path)) {
            EXPECT_EQ(ReadBytes(Path), "[NoteSet]\nblend=2\n") << C.What;
        }
        EXPECT_TRUE(TemporaryFilesIn(Folder).empty()) << C.What;
        std::filesystem::remove_all(Path);
    }
}

// A settings file saved by an editor that puts a byte-order mark first is read as any other,
// and a write keeps the mark and the one section.
TEST_F(ProfileFileOnDisk, AByteOrderMarkIsAcceptedAndKept) {
    const std::string Path = PathOf("Config.ini");
    WriteBytes(Path, "\xEF\xBB\xBF[NoteSet]\r\nPosition=2\r\nAlarm=1\r\n");
    EXPECT_EQ(platform::ReadProfileInteger(Path, "NoteSet", "Position", 0), 2);
    EXPECT_EQ(platform::ReadProfileInteger(Path, "NoteSet", "Alarm", 0), 1);
    ASSERT_TRUE(platform::WriteProfileString(Path, "NoteSet", "blend", "4"));
    ASSERT_TRUE(platform::WriteProfileString(Path, "NoteSet", "Alarm", "0"));
    EXPECT_EQ(ReadBytes(Path), "\xEF\xBB\xBF[NoteSet]\r\nPosition=2\r\nAlarm=0\r\nblend=4\r\n");
}
