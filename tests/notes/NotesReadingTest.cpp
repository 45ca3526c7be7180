#include "notes/UNotesFile.h"
#include "platform/Xml.h"

#include "NotesFixtures.h"
#include "NotesTestFolder.h"

#include <gtest/gtest.h>

using notes::TNote;
using notes::TNotes;

namespace {

const std::string Sample =
    DayElement("2000-01-01", NoteElements("测试", "2000-01-01", "是", "千禧年"));
const std::string NoteA = NoteElements("开会", "2024-05-01 09:00", "是", "带上报告");
const std::string NoteB = NoteElements("买菜", "", "否", "");
const TNote A{"开会", "2024-05-01 09:00", "是", "带上报告"};
const TNote B{"买菜", "", "否", ""};

enum class Reader { All, OnlyToday, Today };

notes::TNotesRead Read(Reader Which, const std::string& FileName) {
    switch (Which) {
    case Reader::All:
        return notes::LoadNotes(FileName, false);
    case Reader::OnlyToday:
        return notes::LoadNotes(FileName, true);
    case Reader::Today:
        break;
    }
    return notes::ReadTodayNotes(FileName);
}

} // namespace

class NotesReading : public NotesTestFolder {
protected:
    std::string Write(const std::string& Bytes) {
        WriteBytes(notes::NotesFileName(), Bytes);
        return notes::NotesFileName();
    }
};

// Today is 2024-05-01 in every case.
TEST_F(NotesReading, ReadersFollowTheReadingRule) {
    struct Case {
        const char* What;
        std::string Days;
        Reader Which;
        TNotes Expected;
        bool Ok;
        bool DayFound;
    };
    const Case Cases[] = {
        {"only the sample: history", Sample, Reader::All, {}, true, false},
        {"only the sample: today", Sample, Reader::Today, {}, true, false},
        {"days in file order, sample skipped",
         DayElement("2024-05-01", NoteA) + Sample + DayElement("2023-01-02", NoteB + NoteA),
         Reader::All,
         {A, B, A},
         true,
         true},
        {"only today's elements, all of them",
         DayElement("2024-05-01", NoteA) + DayElement("2024-04-30", NoteB) +
             DayElement("2024-05-01", NoteB),
         Reader::OnlyToday,
         {A, B},
         true,
         true},
        {"white space between elements is no child",
         "\n  " + DayElement("2024-05-01", "\n\t" + NoteA + "\r\n  " + NoteB + "\n") + "\n",
         Reader::Today,
         {A, B},
         true,
         true},
        {"texts taken in order, whatever the names",
         DayElement("2024-05-01", "<内容>c</内容><提醒>r</提醒><日期>w</日期><标题>t</标题>"),
         Reader::Today,
         {{"c", "r", "w", "t"}},
         true,
         true},
        {"an empty day element", DayElement("2024-05-01", ""), Reader::Today, {}, true, true},
        {"an unknown child counts but gives no text",
         DayElement("2024-05-01",
                    NoteA + "<标题>x</标题><其他/><提醒>是</提醒><内容>y</内容>" + NoteB),
         Reader::Today,
         {A},
         false,
         true},
        {"children that are not whole groups of four",
         DayElement("2024-05-01", NoteA + "<标题>x</标题><日期>y</日期>") +
             DayElement("2024-04-30", NoteB),
         Reader::All,
         {A},
         false,
         true},
        {"the count runs on across day elements",
         DayElement("2024-05-01", "<标题>x</标题><日期>y</日期>") +
             DayElement("2024-05-01", "<提醒>是</提醒><内容>z</内容>"),
         Reader::Today,
         {},
         false,
         true},
        {"a comment is a child",
         DayElement("2024-05-01", "<!--c--><标题>t</标题><日期>w</日期><提醒>r</提醒>"),
         Reader::Today,
         {},
         false,
         true},
        {"text between elements is a child",
         DayElement("2024-05-01", "<标题>t</标题>x<日期>w</日期><提醒>r</提醒>"),
         Reader::Today,
         {},
         false,
         true},
        {"a note's text is all character data inside it",
         DayElement("2024-05-01",
                    "<标题>a<!--c-->b<![CDATA[c]]><i>d</i></标题><日期/><提醒/><内容/>"),
         Reader::Today,
         {{"abcd", "", "", ""}},
         true,
         true},
        {"markup in texts",
         DayElement("2024-05-01", NoteElements("a&amp;b", "&lt;", "<![CDATA[<>]]>", " 1 ")),
         Reader::Today,
         {{"a&b", "<", "<>", " 1 "}},
         true,
         true},
    };
    for (const Case& C : Cases) {
        // As written by hand in UTF-8, and as saved again in GB2312 with nothing dropped.
        const std::string Original = NotesDocument(C.Days);
        std::string Error;
        platform::XmlDocument Document = platform::XmlDocument::Parse(Original, Error);
        std::string Saved;
        ASSERT_TRUE(Document && Document.Save("GB2312", Saved, Error)) << C.What << Error;
        for (const std::string& Bytes : {Original, Saved}) {
            const notes::TNotesRead Result = Read(C.Which, Write(Bytes));
            EXPECT_EQ(Result.Notes, C.Expected) << C.What << "\n" << Bytes;
            EXPECT_EQ(Result.Ok, C.Ok) << C.What << "\n" << Bytes;
            EXPECT_EQ(Result.DayFound, C.DayFound) << C.What << "\n" << Bytes;
        }
    }
}

TEST_F(NotesReading, OnTheSampleDayOnlyTheTodayReadersTakeTheSample) {
    SetToday(2000, 1, 1);
    const std::string FileName = Write(NotesDocument(Sample));
    const TNote SampleNote{"测试", "2000-01-01", "是", "千禧年"};
    EXPECT_EQ(notes::ReadTodayNotes(FileName).Notes, TNotes{SampleNote});
    EXPECT_EQ(notes::ReadTodayAlarms(FileName).Slots[0], (notes::TNoteAlarm{"测试", "2000-01-01"}));
    EXPECT_TRUE(notes::LoadNotes(FileName, true).Notes.empty());
    EXPECT_TRUE(notes::LoadNotes(FileName, false).Notes.empty());
}

TEST_F(NotesReading, TodayIsTakenFromTheClockAtEachCall) {
    const std::string FileName = Write(NotesDocument(DayElement("2024-05-02", NoteA)));
    EXPECT_TRUE(notes::ReadTodayNotes(FileName).Notes.empty());
    SetToday(2024, 5, 2, 0);
    EXPECT_EQ(notes::ReadTodayNotes(FileName).Notes, TNotes{A});
}

TEST_F(NotesReading, AlarmSlotsFollowTheNotesOfToday) {
    const auto Note = [](int I, const char* Remind) {
        return NoteElements("n" + std::to_string(I), "w" + std::to_string(I), Remind, "c");
    };
    std::string Twelve;
    for (int I = 0; I < 12; ++I) {
        Twelve += Note(I, "是");
    }
    struct Case {
        const char* What;
        std::string Children;
        std::vector<int> Filled; // slots holding note k as "nk" / "wk"
        bool Ok;
    };
    const Case Cases[] = {
        {"only reminders fill their slot",
         Note(0, "是") + Note(1, "否") + Note(2, "是"),
         {0, 2},
         true},
        {"at most ten slots, the rest read", Twelve, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, true},
        {"three texts are enough",
         Note(0, "是") + "<标题>n1</标题><日期>w1</日期><提醒>是</提醒><其他/>",
         {0, 1},
         true},
        {"two texts fail, earlier slots stay",
         Note(0, "是") + "<标题>n1</标题><日期>w1</日期><其他/><其他/>" + Note(2, "是"),
         {0},
         false},
    };
    for (const Case& C : Cases) {
        const notes::TAlarmsRead Result =
            notes::ReadTodayAlarms(Write(NotesDocument(DayElement("2024-05-01", C.Children))));
        notes::TNoteAlarms Expected;
        for (const int K : C.Filled) {
            Expected[K] = {"n" + std::to_string(K), "w" + std::to_string(K)};
        }
        EXPECT_EQ(Result.Slots, Expected) << C.What;
        EXPECT_EQ(Result.Ok, C.Ok) << C.What;
    }
}
