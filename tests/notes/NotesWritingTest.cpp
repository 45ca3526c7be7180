#include "notes/NotesDocument.h"
#include "notes/NotesError.h"
#include "notes/StoredFormConversion.h"
#include "notes/UNotesFile.h"
#include "platform/Xml.h"

#include "NotesFixtures.h"
#include "NotesTestFolder.h"

#include <gtest/gtest.h>

#include <functional>

using notes::TNote;
using notes::TNotes;

namespace {

// What a part present but empty, or missing, reads as.
const notes::TReminder NoText = notes::TReminder::FromText("");

// The notes without the identities every save gives them (each of 32 hexadecimal digits).
TNotes Plain(TNotes Notes) {
    for (TNote& Note : Notes) {
        EXPECT_EQ(Note.Id.size(), 32U) << Note.Title;
        EXPECT_EQ(Note.Id.find_first_not_of("0123456789abcdef"), std::string::npos) << Note.Id;
        Note.Id.clear();
    }
    return Notes;
}

// The file's bytes with every identity's digits blotted out.
std::string Masked(std::string Bytes) {
    // 标识 in GB2312.
    const std::string Open = "<\xB1\xEA\xCA\xB6>";
    for (std::size_t At = Bytes.find(Open); At != std::string::npos;
         At = Bytes.find(Open, At + 1)) {
        Bytes.replace(At + Open.size(), 32, 32, 'x');
    }
    return Bytes;
}

// The root's children by name, each with the number of its children.
std::vector<std::pair<std::string, std::size_t>> Days(const std::string& FileName) {
    std::string Bytes;
    std::ifstream In(FileName, std::ios::binary);
    Bytes.assign(std::istreambuf_iterator<char>(In), {});
    std::string Error;
    const platform::XmlDocument Document = platform::XmlDocument::Parse(Bytes, Error);
    EXPECT_TRUE(Document) << Error;
    std::vector<std::pair<std::string, std::size_t>> Result;
    if (Document) {
        for (const platform::XmlNode& Day : Document.Root().Children()) {
            Result.emplace_back(std::string(Day.Name()), Day.Children().size());
        }
    }
    return Result;
}

using DayList = std::vector<std::pair<std::string, std::size_t>>;

const TNote A{"开会", "2024-05-01 09:00", true, "带上报告"};
const TNote B{"买菜", "", false, ""};
const TNote C{"读书", "2024-05-01 20:00", false, "第三章"};

} // namespace

class NotesWriting : public NotesTestFolder {
protected:
    void SetUp() override {
        NotesTestFolder::SetUp();
        FileName = notes::NotesFileName();
        notes::WriteSampleNotes(FileName);
    }

    TNotes Today() const { return Plain(notes::LoadNotes(FileName, true).Notes); }

    std::string FileName;
};

TEST_F(NotesWriting, TheSampleFileIsGb2312WithNoWhiteSpaceBetweenElements) {
    const std::string Bytes = ReadBytes(FileName);
    EXPECT_EQ(Bytes.rfind("<?xml version=\"1.0\" encoding=\"GB2312\"?>", 0), 0u);
    // The root's name 便签列表 in GB2312.
    EXPECT_NE(Bytes.find("<\xB1\xE3\xC7\xA9\xC1\xD0\xB1\xED><Date2000-01-01><"), std::string::npos);
    EXPECT_EQ(Bytes.find("> <"), std::string::npos);
    EXPECT_EQ(Bytes.find(">\n<", 40), std::string::npos);
    SetToday(2000, 1, 1);
    EXPECT_EQ(Plain(notes::ReadTodayNotes(FileName).Notes),
              (TNotes{{"测试", "2000-01-01", true, "千禧年"}}));
}

// Two windows (or two programs) that both found no file both write the sample; the second
// must not replace what the first has saved since.
TEST_F(NotesWriting, TheSampleNeverReplacesAFileThatExistsByThen) {
    notes::SaveTodayNotes(FileName, TNotes{A});
    const std::string Saved = ReadBytes(FileName);
    notes::WriteSampleNotes(FileName);
    EXPECT_EQ(ReadBytes(FileName), Saved);
}

TEST_F(NotesWriting, MergingAddsOrOverwritesByPositionAndTitle) {
    notes::SaveTodayNotes(FileName, TNotes{A});
    EXPECT_EQ(Days(FileName), (DayList{{"Date2000-01-01", 5}, {"Date2024-05-01", 5}}));

    notes::SaveTodayNotes(FileName, TNotes{A, B});
    EXPECT_EQ(Today(), (TNotes{A, B}));
    const std::string Once = ReadBytes(FileName);
    notes::SaveTodayNotes(FileName, TNotes{A, B});
    EXPECT_EQ(ReadBytes(FileName), Once);

    const TNote Changed{"买菜", "2024-05-01 18:00", true, "鸡蛋"};
    notes::SaveTodayNotes(FileName, TNotes{A, Changed});
    EXPECT_EQ(Today(), (TNotes{A, Changed}));

    // A different title at a stored note's position is a new note; nothing is removed.
    notes::SaveTodayNotes(FileName, TNotes{C});
    EXPECT_EQ(Today(), (TNotes{A, Changed, C}));

    SetToday(2024, 5, 2);
    notes::SaveTodayNotes(FileName, {});
    EXPECT_EQ(Days(FileName),
              (DayList{{"Date2000-01-01", 5}, {"Date2024-05-01", 15}, {"Date2024-05-02", 0}}));
    EXPECT_TRUE(notes::ReadTodayNotes(FileName).DayFound);
}

// The editor shows the notes of every element named as today's and saves them back on OK:
// the day becomes one element with each note once, however often that is done.
TEST_F(NotesWriting, TodayInTwoElementsBecomesOneWithEveryNoteOnce) {
    WriteBytes(
        FileName,
        NotesDocument(DayElement("2000-01-01", NoteElements("测试", "2000-01-01", "是", "千禧年")) +
                      DayElement("2024-05-01", NoteElements("开会", A.When, "是", A.Content)) +
                      DayElement("2024-04-30", NoteElements("x", "", "否", "")) + "<!--c-->" +
                      DayElement("2024-05-01", NoteElements("读书", C.When, "否", C.Content))));
    for (int Ok = 0; Ok < 5; ++Ok) {
        notes::SaveTodayNotes(FileName, notes::LoadNotes(FileName, true).Notes);
        EXPECT_EQ(Today(), (TNotes{A, C})) << "after save " << Ok + 1;
    }
    EXPECT_EQ(Days(FileName),
              (DayList{{"Date2000-01-01", 5}, {"Date2024-05-01", 10}, {"Date2024-04-30", 5}, {}}));
    EXPECT_NO_THROW(notes::DeleteNote(FileName, "读书"));
    EXPECT_EQ(Today(), (TNotes{A}));
}

// A file in the stored form is saved by splicing its bytes, any other through a document
// tree; both give the same bytes.
TEST_F(NotesWriting, ASplicedSaveWritesWhatATreeSaveWrites) {
    const TNote Awkward{"龘 and 𠀀 and 😀 §", "<&>\"'", notes::TReminder::FromText("\r\n\t"),
                        "]]> 第三章 "};
    const std::string Original = NotesDocument(
        DayElement("2024-05-01", NoteElements("开会", "", "否", "旧")) +
        DayElement("2024-04-30", NoteElements("x", "&#x1F600;", "否", "<![CDATA[a<b]]>")) +
        DayElement("2024-05-01", "<!--c-->" + NoteElements("读书", "", "是", "")) +
        DayElement("2024-05-02", ""));
    std::string Error;
    platform::XmlDocument Document = platform::XmlDocument::Parse(Original, Error);
    std::string Stored;
    ASSERT_TRUE(Document && Document.Save("GB2312", Stored, Error)) << Error;
    const std::vector<TNotes> Saves = {
        TNotes{A, Awkward}, TNotes{{"开会", "", false, "旧"}, B, C}, {}};
    const auto Same = [&](const std::function<void()>& Change) {
        WriteBytes(FileName, Original);
        Change();
        const std::string ByTree = Masked(ReadBytes(FileName));
        WriteBytes(FileName, Stored);
        Change();
        EXPECT_EQ(Masked(ReadBytes(FileName)), ByTree);
    };
    for (const TNotes& Save : Saves) {
        Same([&] { notes::SaveTodayNotes(FileName, Save); });
    }
    Same([&] { EXPECT_NO_THROW(notes::DeleteNote(FileName, "读书")); });
    Same([&] { EXPECT_NO_THROW(notes::DeleteNote(FileName, "开会")); });
}

// A file not in the stored form is brought into it without a tree when it holds only
// elements and text, giving the bytes a tree would; anything else is left to the tree.
TEST(NotesConversion, GivesTheBytesOfATreeOrNothing) {
    const std::string Day = DayElement("2024-05-01", NoteElements("开会", "", "否", "a&amp;b"));
    struct Case {
        const char* What;
        std::string Bytes;
        bool Converts;
    };
    const Case Cases[] = {
        {"UTF-8 with line breaks",
         NotesDocument("\n  " + Day + "\n  " + DayElement("2024-04-30", "\n\t") + "\n"), true},
        {"GB2312 without a declaration of its own form",
         "<?xml version='1.0' encoding='gb2312'?>\r\n<r>\r\n<Date2024-05-01>"
         "<\xB1\xEA\xCC\xE2> x\r\ny </\xB1\xEA\xCC\xE2></Date2024-05-01></r>",
         true},
        {"text beside the notes and inside them",
         NotesDocument(
             DayElement("2024-05-01", " 散 " + NoteElements(" ", "<![CDATA[<龘>]]>", "", "\r")) +
             "尾"),
         true},
        {"characters that GB2312 lacks in texts",
         NotesDocument(DayElement("2024-05-01", NoteElements("😀", "", "", ""))), true},
        {"a comment", NotesDocument(Day + "<!--c-->"), false},
        {"an attribute", NotesDocument("<Date2024-05-01 a='1'/>"), false},
        {"a namespace", "<r xmlns='urn:x'>" + Day + "</r>", false},
        {"CDATA among a day's children", NotesDocument(DayElement("2024-05-01", "<![CDATA[x]]>")),
         false},
        {"a name GB2312 lacks", NotesDocument("<龘/>"), false},
        {"not well-formed", NotesDocument(Day).substr(0, 60), false},
    };
    for (const Case& C : Cases) {
        const std::optional<std::string> Converted = notes::ConvertToStoredForm(C.Bytes);
        EXPECT_EQ(Converted.has_value(), C.Converts) << C.What;
        std::string Error;
        platform::XmlDocument Document = platform::XmlDocument::Parse(C.Bytes, Error);
        std::string ByTree;
        if (Converted) {
            ASSERT_TRUE(Document && notes::NotesFileBytes(Document, ByTree, Error)) << C.What;
            EXPECT_EQ(*Converted, ByTree) << C.What;
        }
    }
}

TEST_F(NotesWriting, MergingTakesTheFileAsItIsOnDiskNow) {
    notes::SaveTodayNotes(FileName, TNotes{A});
    WriteBytes(FileName,
               NotesDocument(
                   "\n  " + DayElement("2024-04-30", NoteElements("x", "y", "否", "z")) + "\n  " +
                   DayElement("2024-05-01", "\n    <标题>开会</标题><日期>旧</日期>\n") + "\n"));
    notes::SaveTodayNotes(FileName, TNotes{A, B});
    EXPECT_EQ(Plain(notes::LoadNotes(FileName, false).Notes),
              (TNotes{{"x", "y", false, "z"}, A, B}));
    EXPECT_EQ(ReadBytes(FileName).find("\n<", 40), std::string::npos);
}

TEST_F(NotesWriting, EveryTextReadsBackExactly) {
    // A reminder text other than "是" and "否" is kept as it was.
    const TNote Awkward{"龘 and 𠀀 and 😀", "<&>\"'", notes::TReminder::FromText("\r\n\t"),
                        "  leading and trailing  "};
    const TNote Empty{"", "", NoText, ""};
    notes::SaveTodayNotes(FileName, TNotes{Awkward, Empty});
    EXPECT_EQ(Today(), (TNotes{Awkward, Empty}));
    const std::string Bytes = ReadBytes(FileName);
    EXPECT_NE(Bytes.find("&#40856;"), std::string::npos);            // 龘
    EXPECT_NE(Bytes.find("&#131072;"), std::string::npos);           // 𠀀
    EXPECT_NE(Bytes.find("&#128512;"), std::string::npos);           // 😀
    EXPECT_NE(Bytes.find("<\xC4\xDA\xC8\xDD/>"), std::string::npos); // the empty 内容
}

TEST_F(NotesWriting, StoredTextsSurviveASaveWhateverTheirForm) {
    WriteBytes(FileName, NotesDocument(DayElement("2024-04-30",
                                                  "<标题><![CDATA[😀<]]>&#13;</标题><日期/>"
                                                  "<提醒>&amp;</提醒><内容>a<!--x-->b</内容>")));
    notes::SaveTodayNotes(FileName, TNotes{A});
    EXPECT_EQ(Plain(notes::LoadNotes(FileName, false).Notes),
              (TNotes{{"😀<\r", "", notes::TReminder::FromText("&"), "ab"}, A}));
}

TEST_F(NotesWriting, DeletingRemovesOneWholeNoteOfToday) {
    notes::SaveTodayNotes(FileName, TNotes{A, B, C});
    struct Case {
        const char* Title;
        TNotes Left;
    };
    const Case Cases[] = {
        {"不存在", {A, B, C}}, {"买菜", {A, C}}, {"开会 ", {A, C}}, {"开会", {C}}, {"读书", {}},
    };
    for (const Case& Step : Cases) {
        EXPECT_NO_THROW(notes::DeleteNote(FileName, Step.Title)) << Step.Title;
        EXPECT_EQ(Today(), Step.Left) << Step.Title;
    }
    EXPECT_EQ(Days(FileName), (DayList{{"Date2000-01-01", 5}}));
    EXPECT_FALSE(notes::ReadTodayNotes(FileName).DayFound);
}

TEST_F(NotesWriting, DeletingNeverTouchesTheSampleDay) {
    SetToday(2000, 1, 1);
    EXPECT_NO_THROW(notes::DeleteNote(FileName, "测试"));
    EXPECT_EQ(Days(FileName), (DayList{{"Date2000-01-01", 5}}));
}

TEST_F(NotesWriting, AShortStoredNoteIsMadeWholeByASave) {
    WriteBytes(FileName,
               NotesDocument(DayElement("2024-05-01", "<标题>开会</标题><日期>旧</日期>")));
    EXPECT_NO_THROW(notes::DeleteNote(FileName, "没有"));
    notes::SaveTodayNotes(FileName, TNotes{A});
    EXPECT_EQ(Plain(notes::ReadTodayNotes(FileName).Notes), TNotes{A});
    WriteBytes(FileName,
               NotesDocument(DayElement("2024-05-01", "<日期/><标题>开会</标题><提醒/>")));
    // Two notes by the reading rule: one of only a time, then 开会; the first stays, whole.
    EXPECT_NO_THROW(notes::DeleteNote(FileName, "开会"));
    EXPECT_EQ(Days(FileName), (DayList{{"Date2024-05-01", 5}}));
    EXPECT_EQ(Plain(notes::ReadTodayNotes(FileName).Notes), (TNotes{{"", "", NoText, ""}}));
}

TEST_F(NotesWriting, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    // A root name that GB2312 cannot hold cannot be written in it.
    WriteBytes(FileName, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><龘/>");
    EXPECT_THROW(notes::SaveTodayNotes(FileName, TNotes{A}), notes::ENotesError);
    EXPECT_THROW(notes::DeleteNote(FileName, "开会"), notes::ENotesError);
    EXPECT_EQ(ReadBytes(FileName), "<?xml version=\"1.0\" encoding=\"UTF-8\"?><龘/>");

    platform::SetDataFolder(PathOf("gone"));
    EXPECT_THROW(notes::WriteSampleNotes(notes::NotesFileName()), notes::ENotesError);
    EXPECT_TRUE(TemporaryFilesIn(Folder).empty());
}
