#include "notes/NotesError.h"
#include "notes/UNotesFile.h"

#include "NotesFixtures.h"
#include "NotesTestFolder.h"

#include <gtest/gtest.h>

namespace {

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

// Each broken file: every reader returns false, the merge raises the parser's error, the
// delete returns false, and neither writes the file.
TEST_F(NotesFaults, BrokenFilesAreNeverReadPastTheFaultNorWritten) {
    const std::string Secret = PathOf("secret.txt");
    WriteBytes(Secret, "SECRET-TEXT");
    const std::string Whole = NotesDocument(GoodDay);
    notes::WriteSampleNotes(notes::NotesFileName());
    notes::SaveTodayNotes(notes::NotesFileName(), {"开会", "2024-05-01 09:00", "是", "报告"});
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
        EXPECT_FALSE(notes::DeleteNote(FileName, "开会")) << C.What;
        EXPECT_THROW(notes::SaveTodayNotes(FileName, {"a", "b", "c", "d"}), notes::ENotesError)
            << C.What;
        EXPECT_EQ(ReadBytes(FileName), C.Bytes) << C.What;
    }
}

TEST_F(NotesFaults, TheMergeReportsTheParsersMessage) {
    WriteBytes(notes::NotesFileName(), "<便签列表><Date2024-05-01></便签列表>");
    try {
        notes::SaveTodayNotes(notes::NotesFileName(), {});
        FAIL() << "the merge did not fail";
    } catch (const notes::ENotesError& Error) {
        const std::string Message = Error.what();
        EXPECT_EQ(Message.rfind("便签文件 " + notes::NotesFileName() +
                                    " 第 1 行不是完好的 XML（Premature end of data",
                                0),
                  0u)
            << Message;
    }
}

TEST_F(NotesFaults, AMissingFileIsAFailedReadAndIsNotCreated) {
    const std::string FileName = notes::NotesFileName();
    EXPECT_FALSE(notes::LoadNotes(FileName, false).Ok);
    EXPECT_FALSE(notes::ReadTodayAlarms(FileName).Ok);
    EXPECT_FALSE(notes::DeleteNote(FileName, "x"));
    EXPECT_THROW(notes::SaveTodayNotes(FileName, {"a", "b", "c", "d"}), notes::ENotesError);
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
