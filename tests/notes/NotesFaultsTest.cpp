#include "notes/NotesError.h"
#include "notes/UNoteSettings.h"
#include "notes/UNotesFile.h"
#include "platform/Files.h"

#include "NotesFixtures.h"
#include "NotesTestFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace {

const notes::TNote AnyNote{"a", "b", false, "d"};

// The error of saving a note into today's notes, and that of deleting one.
std::string SaveError(const std::string& FileName) {
    return ErrorOf([&] { notes::SaveTodayNotes(FileName, {AnyNote}); });
}
std::string DeleteError(const std::string& FileName) {
    return ErrorOf([&] { notes::DeleteNote(FileName, "开会"); });
}

const std::string GoodDay =
    DayElement("2024-05-01", NoteElements("开会", "2024-05-01 09:00", "是", "报告"));

std::string EntityBomb() {
    std::string Dtd = "<!DOCTYPE 便签列表 [<!ENTITY e0 \"ha\">";
    for (int I = 1; I < 30; ++I) {
        Dtd += "<!ENTITY e" + std::to_string(I) + " \"&e" + std::to_string(I - 1) + ";&e" +
               std::to_string(I - 1) + ";\">";
    }
    return "<?xml version=\"1.0\"?>" + Dtd + "]><便签列表><Date2024-05-01><标题>&e29;</标题>" +
           "<日期/><提醒/><内容/></Date2024-05-01></便签列表>";
}

// An element beside today's with more attributes than any element may have.
std::string ManyAttributes() {
    std::string Element = "<x";
    for (int I = 0; I < 300; ++I) {
        Element += " a" + std::to_string(I) + "='>'";
    }
    return NotesDocument(GoodDay + Element + "/>");
}

std::string DeepNesting() {
    std::string Open;
    std::string Close;
    for (int I = 0; I < 5000; ++I) {
        Open += "<d>";
        Close += "</d>";
    }
    return NotesDocument(GoodDay + DayElement("2024-05-01", Open + Close));
}

} // namespace

class NotesFaults : public NotesTestFolder {};

// Each broken file: every reader returns false, the merge and the delete raise the parser's
// error, and neither writes the file.
TEST_F(NotesFaults, BrokenFilesAreNeverReadPastTheFaultNorWritten) {
    const std::string Secret = PathOf("secret.txt");
    WriteBytes(Secret, "SECRET-TEXT");
    const std::string Whole = NotesDocument(GoodDay);
    notes::WriteSampleNotes(notes::NotesFileName());
    notes::SaveTodayNotes(notes::NotesFileName(), {{"开会", "2024-05-01 09:00", true, "报告"}});
    const std::string Gb2312 = ReadBytes(notes::NotesFileName());
    ASSERT_GT(Gb2312.size(), 100u);
    struct Case {
        const char* What;
        std::string Bytes;
    };
    const Case Cases[] = {
        {"an empty file", ""},
        {"a truncated file", Whole.substr(0, Whole.size() - 9)},
        {"bytes that are not XML", std::string("\x00\xff\x13garbage", 10)},
        {"a DTD with an external entity",
         "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x SYSTEM \"file://" + Secret +
             "\">]><便签列表><Date2024-05-01><标题>&x;</标题><日期/><提醒/><内容/>"
             "</Date2024-05-01></便签列表>"},
        {"an external DTD",
         "<?xml version=\"1.0\"?><!DOCTYPE r SYSTEM \"http://127.0.0.1:9/x.dtd\"><便签列表>" +
             GoodDay + "</便签列表>"},
        {"an entity-expansion bomb", EntityBomb()},
        {"nesting thousands deep", DeepNesting()},
        {"an element with 300 attributes", ManyAttributes()},
        {"an encoding that does not match the bytes",
         "<?xml version=\"1.0\" encoding=\"UTF-16\"?><便签列表/>"},
        {"an unknown encoding", "<?xml version=\"1.0\" encoding=\"X-NONE\"?><便签列表/>"},
        {"a GB2312 file cut short", Gb2312.substr(0, Gb2312.size() - 12)},
        {"a byte that is not GBK", Gb2312.substr(0, 60) + "\xFF" + Gb2312.substr(61)},
        {"\"]]>\" in a text", Gb2312.substr(0, 60) + "]]>" + Gb2312.substr(60)},
        {"a reference to character 0", Gb2312.substr(0, 60) + "&#0;" + Gb2312.substr(60)},
        {"a control character", NotesDocument(DayElement("2024-05-01", "<标题>\x01</标题>"))},
    };
    for (const Case& C : Cases) {
        const std::string FileName = notes::NotesFileName();
        WriteBytes(FileName, C.Bytes);
        for (const notes::TNotesRead& Read :
             {notes::LoadNotes(FileName, false), notes::LoadNotes(FileName, true),
              notes::ReadTodayNotes(FileName)}) {
            EXPECT_FALSE(Read.Ok) << C.What;
            for (const notes::TNote& Note : Read.Notes) {
                EXPECT_EQ(Note.Title.find("SECRET"), std::string::npos) << C.What;
            }
        }
        EXPECT_FALSE(notes::ReadTodayAlarms(FileName).Ok) << C.What;
        EXPECT_EQ(DeleteError(FileName), "无法删除便签：" + SaveError(FileName)) << C.What;
        EXPECT_EQ(ReadBytes(FileName), C.Bytes) << C.What;
    }
}

TEST_F(NotesFaults, TheMergeReportsTheParsersMessage) {
    WriteBytes(notes::NotesFileName(), "<便签列表><Date2024-05-01></便签列表>");
    const std::string Message = SaveError(notes::NotesFileName());
    EXPECT_TRUE(Message.starts_with("便签文件 " + notes::NotesFileName() +
                                    " 第 1 行不是完好的 XML（Premature end of data"))
        << Message;
}

TEST_F(NotesFaults, AMissingFileIsAFailedReadAndIsNotCreated) {
    const std::string FileName = notes::NotesFileName();
    EXPECT_FALSE(notes::LoadNotes(FileName, false).Ok);
    EXPECT_FALSE(notes::ReadTodayAlarms(FileName).Ok);
    EXPECT_EQ(DeleteError(FileName), "无法删除便签：" + SaveError(FileName));
    EXPECT_FALSE(std::filesystem::exists(FileName));
}

// Files that are sound but not as this program writes them read in full.
TEST_F(NotesFaults, ForeignButSoundFilesReadInFull) {
    struct Case {
        const char* What;
        std::string Bytes;
        const char* Title;
    };
    // The four element names in GB2312 and, in GBK only, the character 龘.
    const std::string Gbk = "<\xB1\xEA\xCC\xE2>\xFD\x93</\xB1\xEA\xCC\xE2><\xC8\xD5\xC6\xDA/>"
                            "<\xCC\xE1\xD0\xD1/><\xC4\xDA\xC8\xDD/>";
    const Case Cases[] = {
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + NotesDocument(GoodDay), "开会"},
        {"no declaration", "<便签列表>" + GoodDay + "</便签列表>", "开会"},
        {"GB18030 declared",
         "<?xml version=\"1.0\" encoding=\"GB18030\"?><r><Date2024-05-01>" + Gbk +
             "</Date2024-05-01></r>",
         "龘"},
        {"GB2312 declared, a GBK-only character",
         "<?xml version=\"1.0\" encoding=\"gb2312\"?><r><Date2024-05-01>" + Gbk +
             "</Date2024-05-01></r>",
         "龘"},
        {"version 1.1",
         "<?xml version=\"1.1\" encoding=\"UTF-8\"?><便签列表>" + GoodDay + "</便签列表>", "开会"},
    };
    for (const Case& C : Cases) {
        WriteBytes(notes::NotesFileName(), C.Bytes);
        const notes::TNotesRead Read = notes::ReadTodayNotes(notes::NotesFileName());
        EXPECT_TRUE(Read.Ok) << C.What;
        ASSERT_EQ(Read.Notes.size(), 1u) << C.What;
        EXPECT_EQ(Read.Notes[0].Title, C.Title) << C.What;
    }
}

// What stands under the file's name is read only when it is a regular file within the size
// cap: anything else is a failed read at once (no wait for a FIFO's writer, no endless read
// of a device, no memory for a huge sparse file), and stays as it is.
TEST_F(NotesFaults, OnlyARegularFileWithinTheCapIsRead) {
    const std::string FileName = notes::NotesFileName();
    struct Case {
        const char* What;
        std::function<void()> Make;
    };
    const Case Cases[] = {
        {"a FIFO", [&] { ASSERT_EQ(mkfifo(FileName.c_str(), 0600), 0); }},
        {"a link to /dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", FileName); }},
        {"a folder", [&] { std::filesystem::create_directory(FileName); }},
        {"a sparse file one byte over the cap",
         [&] {
             WriteBytes(FileName, NotesDocument(GoodDay));
             std::filesystem::resize_file(FileName, platform::MaxDataFileBytes + 1);
         }},
    };
    for (const Case& C : Cases) {
        C.Make();
        const auto Type = std::filesystem::symlink_status(FileName).type();
        EXPECT_FALSE(notes::ReadTodayNotes(FileName).Ok) << C.What;
        EXPECT_FALSE(notes::LoadNotes(FileName, false).Ok) << C.What;
        EXPECT_FALSE(notes::ReadTodayAlarms(FileName).Ok) << C.What;
        const std::string Reason = SaveError(FileName);
        EXPECT_NE(Reason.find(FileName), std::string::npos) << C.What << ": " << Reason;
        EXPECT_EQ(DeleteError(FileName), "无法删除便签：" + Reason) << C.What;
        EXPECT_EQ(std::filesystem::symlink_status(FileName).type(), Type) << C.What;
        std::filesystem::remove_all(FileName);
    }
}

// A save replaces what the link points to, in the target's own folder; the link stays.
TEST_F(NotesFaults, ALinkedFileIsSavedOntoItsTarget) {
    const std::filesystem::path Synced = Folder / "synced";
    std::filesystem::create_directory(Synced);
    struct Case {
        const char* What;
        std::string Name;
        std::string Before;
        std::function<void()> Save;
        std::string Changed; // a text the saved file holds
    };
    const Case Cases[] = {
        {"the notes file", "Notes.xml", NotesDocument(GoodDay),
         [] {
             notes::SaveTodayNotes(notes::NotesFileName(), {{"新的", "", false, ""}});
         },
         "\xD0\xC2\xB5\xC4"},
        {"the settings file", "Config.ini", "[NoteSet]\nPosition=1\n",
         [] { notes::SaveSettings(3, true, 4); }, "blend=4"},
    };
    for (const Case& C : Cases) {
        const std::filesystem::path Target = Synced / C.Name;
        const std::filesystem::path Link = Folder / C.Name;
        WriteBytes(Target.string(), C.Before);
        std::filesystem::create_symlink(std::filesystem::path("synced") / C.Name, Link);
        C.Save();
        EXPECT_TRUE(std::filesystem::is_symlink(Link)) << C.What;
        EXPECT_NE(ReadBytes(Target.string()).find(C.Changed), std::string::npos) << C.What;
        EXPECT_TRUE(TemporaryFilesIn(Folder).empty()) << C.What;
        EXPECT_TRUE(TemporaryFilesIn(Synced).empty()) << C.What;
    }
}

TEST_F(NotesFaults, AReadOnlyNotesFileIsKept) {
    const std::string FileName = notes::NotesFileName();
    WriteBytes(FileName, NotesDocument(GoodDay));
    std::filesystem::permissions(FileName, std::filesystem::perms::owner_read);
    EXPECT_EQ(SaveError(FileName), "无法写入文件 " + FileName + "：没有权限");
    EXPECT_EQ(DeleteError(FileName), "无法删除便签：无法写入文件 " + FileName + "：没有权限");
    EXPECT_EQ(ReadBytes(FileName), NotesDocument(GoodDay));
    EXPECT_EQ(std::filesystem::status(FileName).permissions(), std::filesystem::perms::owner_read);
}

// What reads can be saved: a note longer than the parser's usual limit for one text reads,
// saves and reads back whole.
TEST_F(NotesFaults, ANoteOfElevenMegabytesReadsAndSaves) {
    const std::string FileName = notes::NotesFileName();
    const std::string Long(11'000'000, 'a');
    WriteBytes(FileName,
               NotesDocument(DayElement("2024-05-01", NoteElements("长", "", "否", Long))));
    ASSERT_EQ(notes::ReadTodayNotes(FileName).Notes.size(), 1u);
    notes::SaveTodayNotes(FileName, {{"长", "", true, Long}});
    const notes::TNotesRead Read = notes::ReadTodayNotes(FileName);
    ASSERT_TRUE(Read.Ok);
    ASSERT_EQ(Read.Notes.size(), 1u);
    EXPECT_TRUE(Read.Notes[0].Remind.On());
    EXPECT_EQ(Read.Notes[0].Content.size(), Long.size());
}

// A part that GB2312 cannot hold and that has no character reference either (a name, a
// comment) is reported by its line before any save, and the file is kept as it is.
TEST_F(NotesFaults, APartThatCannotBeWrittenBackIsReportedWithItsLine) {
    const std::string FileName = notes::NotesFileName();
    struct Case {
        std::string Bytes;
        const char* Part;
    };
    const Case Cases[] = {
        {NotesDocument(GoodDay + "\n\n<附龘/>"), "第 3 行的“附龘”"},
        {NotesDocument(GoodDay + "\n<!--龘-->"), "第 2 行的“龘”"},
    };
    for (const Case& C : Cases) {
        WriteBytes(FileName, C.Bytes);
        const std::string Report = notes::UnwritablePartOf(FileName);
        EXPECT_NE(Report.find("便签文件 " + FileName + " " + C.Part), std::string::npos) << Report;
        EXPECT_TRUE(notes::ReadTodayNotes(FileName).Ok);
        EXPECT_EQ(SaveError(FileName), Report);
        EXPECT_EQ(DeleteError(FileName), "无法删除便签：" + Report);
        EXPECT_EQ(ReadBytes(FileName), C.Bytes);
    }
    WriteBytes(FileName, NotesDocument(GoodDay + "<!--a-->"));
    EXPECT_EQ(notes::UnwritablePartOf(FileName), "");
}

// A file that reads but whose saved form (GB2312, with a character reference for each
// character GB2312 lacks) would be over the size cap is reported when it is read, with the
// same words a save then fails with, and stays as it is.
TEST_F(NotesFaults, AFileTooLargeToSaveIsReportedWhenRead) {
    const std::string FileName = notes::NotesFileName();
    std::string Emoji;
    for (int I = 0; I < 8 << 20; ++I) {
        Emoji += "😀";
    }
    // 32 MiB in UTF-8, 72 MiB as "&#128512;" references.
    const std::string Bytes =
        NotesDocument(DayElement("2024-04-30", NoteElements("大", "", "否", Emoji)));
    Emoji = std::string();
    WriteBytes(FileName, Bytes);
    EXPECT_TRUE(notes::LoadNotes(FileName, false).Ok);
    const std::string Report = notes::UnwritablePartOf(FileName);
    EXPECT_NE(Report.find("超过 64 MiB 的上限"), std::string::npos) << Report;
    EXPECT_NE(Report.find(FileName), std::string::npos) << Report;
    EXPECT_EQ(SaveError(FileName), Report);
    EXPECT_EQ(ReadBytes(FileName).size(), Bytes.size());
}

// Each save removes what interrupted saves of its own file left, and nothing else.
TEST_F(NotesFaults, LeftoversOfInterruptedSavesGoWithTheNextSaveOfTheirFile) {
    WriteBytes(notes::NotesFileName(), NotesDocument(GoodDay));
    for (const char* Name :
         {"Notes.xml.tmp-a1B2c3", "Config.ini.tmp-x9Y8z7", "Notes.xml.bak", "Notes.xml.tmp-"}) {
        WriteBytes(PathOf(Name), "left over");
    }
    const auto Present = [&](const char* Name) { return std::filesystem::exists(PathOf(Name)); };
    notes::SaveSettings(1, true, 5);
    EXPECT_FALSE(Present("Config.ini.tmp-x9Y8z7"));
    EXPECT_TRUE(Present("Notes.xml.tmp-a1B2c3"));
    notes::SaveTodayNotes(notes::NotesFileName(), {AnyNote});
    EXPECT_FALSE(Present("Notes.xml.tmp-a1B2c3"));
    EXPECT_TRUE(Present("Notes.xml.bak"));
    EXPECT_TRUE(Present("Notes.xml.tmp-"));
}
