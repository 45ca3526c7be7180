#include "notes/NoteOccurrences.h"
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
const TNote A{"开会", "2024-05-01 09:00", true, "带上报告"};
const TNote B{"买菜", "", false, ""};

// The alarm's reminders for today's notes as the popup and the editor see them: those that
// remind at a minute of today, in their order (all at different minutes here).
notes::TNoteAlarms AlarmsOf(const TNotes& Notes) {
    notes::TNoteAlarms Alarms;
    const notes::TNoteDay Today{std::chrono::year{2024}, std::chrono::month{5},
                                std::chrono::day{1}};
    for (const TNote& Note : Notes) {
        if (Note.Remind.On() && notes::MinuteOfDay(Note.When, Today) >= 0) {
            Alarms.push_back({Note.When, Note.When, Note});
        }
    }
    return Alarms;
}

// The notes without the identities a save gave them.
TNotes WithoutIds(TNotes Notes) {
    for (TNote& Note : Notes) {
        EXPECT_EQ(Note.Id.size(), 32U) << Note.Title;
        Note.Id.clear();
    }
    return Notes;
}

// What a part present but empty, or missing, reads as.
const notes::TReminder NoText = notes::TReminder::FromText("");

} // namespace

class NotesReading : public NotesTestFolder {
protected:
    std::string Write(const std::string& Bytes) {
        WriteBytes(notes::NotesFileName(), Bytes);
        return notes::NotesFileName();
    }
};

// One table for every reader: the popup, the editor and the alarm see Today, the history
// sees History; saving the rows the editor shows leaves every note once. Today is 2024-05-01.
TEST_F(NotesReading, EveryReaderFollowsTheOneReadingRule) {
    struct Case {
        const char* What;
        std::string Days;
        TNotes Today;
        TNotes History;
    };
    const Case Cases[] = {
        {"only the sample", Sample, {}, {}},
        {"days in file order, sample skipped",
         DayElement("2024-05-01", NoteA) + Sample + DayElement("2023-01-02", NoteB + NoteA),
         {A},
         {A, B, A}},
        {"today twice: both elements, in file order",
         DayElement("2024-05-01", NoteA) + DayElement("2024-04-30", NoteB) +
             DayElement("2024-05-01", NoteElements("读书", "", "是", "")),
         {A, {"读书", "", true, ""}},
         {A, B, {"读书", "", true, ""}}},
        {"white space between elements is nothing",
         "\n  " + DayElement("2024-05-01", "\n\t" + NoteA + "\r\n  " + NoteB + "\n") + "\n",
         {A, B},
         {A, B}},
        {"a comment beside the notes is nothing",
         DayElement("2024-05-01", "<!--c-->" + NoteA + "<?pi x?><!--d-->"),
         {A},
         {A}},
        {"stray text between elements is nothing",
         DayElement("2024-05-01", "x<标题>t</标题>y<日期>w</日期><提醒>是</提醒>z<内容>c</内容>"),
         {{"t", "w", true, "c"}},
         {{"t", "w", true, "c"}}},
        {"an unknown child is passed over",
         DayElement("2024-05-01", NoteA + "<其他>x</其他>" + NoteB),
         {A, B},
         {A, B}},
        {"parts are taken by name",
         DayElement("2024-05-01", "<标题>t</标题><内容>c</内容><提醒>是</提醒><日期>w</日期>"),
         {{"t", "w", true, "c"}},
         {{"t", "w", true, "c"}}},
        {"a three-element note shows with an empty content",
         DayElement("2024-05-01", "<标题>t</标题><日期>w</日期><提醒>是</提醒>" + NoteB),
         {{"t", "w", true, ""}, B},
         {{"t", "w", true, ""}, B}},
        {"a part given twice begins a note",
         DayElement("2024-05-01", "<内容>a</内容><日期>1</日期><日期>2</日期>"),
         {{"", "1", NoText, "a"}, {"", "2", NoText, ""}},
         {{"", "1", NoText, "a"}, {"", "2", NoText, ""}}},
        {"a broken day hides no later day",
         DayElement("2024-05-01", "<标题>x</标题><日期>y</日期>") + DayElement("2024-04-30", NoteB),
         {{"x", "y", NoText, ""}},
         {{"x", "y", NoText, ""}, B}},
        {"a note never runs on into the next day element",
         DayElement("2024-05-01", "<标题>x</标题>") + DayElement("2024-05-01", "<提醒>是</提醒>"),
         {{"x", "", NoText, ""}, {"", "", true, ""}},
         {{"x", "", NoText, ""}, {"", "", true, ""}}},
        {"an empty day element", DayElement("2024-05-01", ""), {}, {}},
        {"a note's text is all character data inside it",
         DayElement("2024-05-01",
                    "<标题>a<!--c-->b<![CDATA[c]]><i>d</i></标题><日期/><提醒/><内容/>"),
         {{"abcd", "", NoText, ""}},
         {{"abcd", "", NoText, ""}}},
        {"markup in texts",
         DayElement("2024-05-01", NoteElements("a&amp;b", "&lt;", "<![CDATA[<>]]>", " 1 ")),
         {{"a&b", "<", notes::TReminder::FromText("<>"), " 1 "}},
         {{"a&b", "<", notes::TReminder::FromText("<>"), " 1 "}}},
    };
    for (const Case& C : Cases) {
        // As written by hand in UTF-8, and as saved again in GB2312 with nothing dropped.
        const std::string Original = NotesDocument(C.Days);
        std::string Error;
        platform::XmlDocument Document = platform::XmlDocument::Parse(Original, Error);
        std::string Saved;
        ASSERT_TRUE(Document && Document.Save("GB2312", Saved, Error)) << C.What << Error;
        for (const std::string& Bytes : {Original, Saved}) {
            const std::string FileName = Write(Bytes);
            const notes::TNotesRead Popup = notes::ReadTodayNotes(FileName);
            EXPECT_TRUE(Popup.Ok) << C.What;
            EXPECT_EQ(Popup.Notes, C.Today) << C.What << "\n" << Bytes;
            EXPECT_EQ(notes::LoadNotes(FileName, true).Notes, C.Today) << C.What;
            EXPECT_EQ(notes::ReadTodayAlarms(FileName).Alarms, AlarmsOf(C.Today)) << C.What;
            EXPECT_EQ(notes::LoadNotes(FileName, false).Notes, C.History) << C.What;

            notes::SaveTodayNotes(FileName, C.Today);
            EXPECT_EQ(WithoutIds(notes::ReadTodayNotes(FileName).Notes), C.Today)
                << C.What << " saved";
            EXPECT_EQ(notes::LoadNotes(FileName, false).Notes.size(), C.History.size())
                << C.What << " saved";
        }
    }
}

TEST_F(NotesReading, OnTheSampleDayOnlyTheTodayReadersTakeTheSample) {
    SetToday(2000, 1, 1);
    const std::string FileName = Write(NotesDocument(Sample));
    const TNote SampleNote{"测试", "2000-01-01", true, "千禧年"};
    EXPECT_EQ(notes::ReadTodayNotes(FileName).Notes, TNotes{SampleNote});
    // Its time is a date alone, so it never reminds.
    EXPECT_TRUE(notes::ReadTodayAlarms(FileName).Alarms.empty());
    EXPECT_TRUE(notes::LoadNotes(FileName, true).Notes.empty());
    EXPECT_TRUE(notes::LoadNotes(FileName, false).Notes.empty());
}

TEST_F(NotesReading, TodayIsTakenFromTheClockAtEachCall) {
    const std::string FileName = Write(NotesDocument(DayElement("2024-05-02", NoteA)));
    EXPECT_TRUE(notes::ReadTodayNotes(FileName).Notes.empty());
    SetToday(2024, 5, 2, 0);
    EXPECT_EQ(notes::ReadTodayNotes(FileName).Notes, TNotes{A});
}

TEST_F(NotesReading, EveryReminderOfTodayIsAnAlarm) {
    const auto Note = [](int I, const char* Remind) {
        return NoteElements("n" + std::to_string(I), "2024-05-01 " + std::to_string(10 + I) + ":00",
                            Remind, "c");
    };
    std::string Twelve;
    for (int I = 0; I < 12; ++I) {
        Twelve += Note(I, "是");
    }
    struct Case {
        const char* What;
        std::string Children;
        std::vector<int> Reminding; // note k as "nk" at (10 + k):00
    };
    const Case Cases[] = {
        {"only reminders", Note(0, "是") + Note(1, "否") + Note(2, "是"), {0, 2}},
        {"no limit of ten", Twelve, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {"a note without its reminder does not remind, later ones do",
         Note(0, "是") + "<标题>n1</标题><日期>2024-05-01 11:00</日期><其他/><其他/>" +
             Note(2, "是"),
         {0, 2}},
        {"an empty title reminds", "<标题/><日期>2024-05-01 10:00</日期><提醒>是</提醒>", {-1}},
    };
    for (const Case& C : Cases) {
        const notes::TAlarmsRead Result =
            notes::ReadTodayAlarms(Write(NotesDocument(DayElement("2024-05-01", C.Children))));
        std::vector<int> Reminding;
        for (const notes::TNoteAlarm& Alarm : Result.Alarms) {
            Reminding.push_back(Alarm.Note.Title.empty() ? -1
                                                         : std::stoi(Alarm.Note.Title.substr(1)));
            EXPECT_EQ(Alarm.Minute, Alarm.Note.When) << C.What;
        }
        EXPECT_EQ(Reminding, C.Reminding) << C.What;
        EXPECT_TRUE(Result.Ok) << C.What;
    }
}
