// Notes of any day with their repeat, advance and identity: what a save writes, how a file
// written now reads by the rule of the release before notes had those parts, and how the
// identity is given and kept.

#include "notes/NotesReading.h"
#include "notes/UNotesFile.h"
#include "platform/Xml.h"

#include "NotesFixtures.h"
#include "NotesTestFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

using notes::TNote;
using notes::TNotes;
using TRule = notes::TRepeat::TRule;

namespace {

notes::TNoteDay DayOf(int Year, unsigned Month, unsigned Day) {
    return notes::TNoteDay{std::chrono::year{Year}, std::chrono::month{Month},
                           std::chrono::day{Day}};
}

// The reading rule of the release before notes had a repeat, an advance and an identity: the
// four parts by name, every other child passed over; a title, or a part the note already
// has, begins a note. Every note of every day element but the sample, as its history lists.
std::vector<std::array<std::string, 4>> PreviousReleaseReading(const std::string& Bytes) {
    std::string Error;
    const platform::XmlDocument Document = platform::XmlDocument::Parse(Bytes, Error);
    EXPECT_TRUE(Document) << Error;
    const std::array<std::string_view, 4> Names = {"标题", "日期", "提醒", "内容"};
    std::vector<std::array<std::string, 4>> Notes;
    for (const platform::XmlNode& Day : Document.Root().Children()) {
        if (!Day.IsElement() || Day.Name() == notes::SampleDayName) {
            continue;
        }
        std::array<std::string, 4> Parts;
        std::array<bool, 4> Has = {};
        const auto Deliver = [&] {
            if (Has[0] || Has[1] || Has[2] || Has[3]) {
                Notes.push_back(Parts);
            }
            Parts = {};
            Has = {};
        };
        for (const platform::XmlNode& Child : Day.Children()) {
            for (std::size_t Part = 0; Part < Names.size(); ++Part) {
                if (Child.NameIs(Names[Part])) {
                    if (Part == 0 || Has[Part]) {
                        Deliver();
                    }
                    Parts[Part] = Child.Text();
                    Has[Part] = true;
                }
            }
        }
        Deliver();
    }
    return Notes;
}

std::vector<std::array<std::string, 4>> FourParts(const TNotes& Notes) {
    std::vector<std::array<std::string, 4>> Parts;
    for (const TNote& Note : Notes) {
        Parts.push_back({Note.Title, Note.When, Note.Remind.Text(), Note.Content});
    }
    return Parts;
}

} // namespace

class NotesAnyDay : public NotesTestFolder {
protected:
    void SetUp() override {
        NotesTestFolder::SetUp();
        FileName = notes::NotesFileName();
        notes::WriteSampleNotes(FileName);
    }

    TNotes NotesOf(notes::TNoteDay Day) const {
        return notes::ReadNotesOf(FileName, {notes::DayName(Day), false}).Notes;
    }

    std::string FileName;
};

TEST_F(NotesAnyDay, RepeatsAdvancesAndIdentitiesAreWrittenAfterTheContentAndReadBefore) {
    const TNote Birthday{"外婆 八十大寿", "2024-12-20 09:30", true, "", TRule::LunarYearly, 1440};
    const TNote Odd{
        "旧", "", false, "", notes::TRepeat::FromText("隔周"), notes::TAdvance::FromText("一刻钟")};
    const TNote Plain{"买菜", "", false, "鸡蛋"};
    notes::SaveNotesOfDay(FileName, DayOf(2024, 12, 20), {Birthday, Odd, Plain});
    notes::SaveNotesOfDay(FileName, DayOf(2023, 1, 21), {{"除夕", "", false, "", TRule::Yearly}});

    const TNotes Read = NotesOf(DayOf(2024, 12, 20));
    ASSERT_EQ(Read.size(), 3U);
    for (std::size_t K = 0; K < Read.size(); ++K) {
        EXPECT_EQ(Read[K].Id.size(), 32U);
        TNote WithoutId = Read[K];
        WithoutId.Id.clear();
        EXPECT_EQ(WithoutId, (TNotes{Birthday, Odd, Plain}[K]));
    }
    EXPECT_EQ(Read[0].Repeat.Text(), "每年农历");
    EXPECT_EQ(Read[0].Advance.Minutes(), 1440);
    EXPECT_FALSE(Read[1].Repeat.Known());
    EXPECT_EQ(Read[1].Advance.Text(), "一刻钟");

    // The elements stand after 内容, in the order 重复, 提前, 标识; a plain note has only 标识.
    const std::string Bytes = ReadBytes(FileName);
    std::string Error;
    const platform::XmlDocument Document = platform::XmlDocument::Parse(Bytes, Error);
    ASSERT_TRUE(Document) << Error;
    std::vector<std::string> Names;
    for (const platform::XmlNode& Day : Document.Root().Children()) {
        if (Day.NameIs("Date2024-12-20")) {
            for (const platform::XmlNode& Child : Day.Children()) {
                Names.emplace_back(Child.Name());
            }
        }
    }
    EXPECT_EQ(Names,
              (std::vector<std::string>{"标题", "日期", "提醒", "内容", "重复", "提前", "标识",
                                        "标题", "日期", "提醒", "内容", "重复", "提前", "标识",
                                        "标题", "日期", "提醒", "内容", "标识"}));

    // The release before reads the same notes, note for note.
    EXPECT_EQ(PreviousReleaseReading(Bytes), FourParts(notes::LoadNotes(FileName, false).Notes));
    EXPECT_EQ(PreviousReleaseReading(Bytes).size(), 4U);
}

TEST_F(NotesAnyDay, AFileOfTheOldFormReadsUnchanged) {
    const std::string Old = NotesDocument(
        DayElement("2024-05-01", NoteElements("开会", "2024-05-01 09:00", "是", "带上报告")) +
        DayElement("2024-04-30", NoteElements("买菜", "", "否", "")));
    WriteBytes(FileName, Old);
    EXPECT_EQ(notes::LoadNotes(FileName, false).Notes,
              (TNotes{{"开会", "2024-05-01 09:00", true, "带上报告"}, {"买菜", "", false, ""}}));
    EXPECT_EQ(FourParts(notes::LoadNotes(FileName, false).Notes), PreviousReleaseReading(Old));
}

TEST_F(NotesAnyDay, EverySaveGivesEveryNoteWithoutAnIdentityOneAndKeepsThoseGiven) {
    // Old files in the stored form, converted without a tree, and through a tree (a comment).
    const std::string Days =
        DayElement("2024-04-30",
                   NoteElements("a", "", "否", "") + NoteElements("b", "", "否", "") + "<标识/>") +
        DayElement("2023-01-01", NoteElements("c", "", "否", "") + "<标识>given</标识>");
    for (const std::string& Tail : {std::string(), std::string("<!--c-->")}) {
        WriteBytes(FileName, NotesDocument(Days + Tail));
        notes::SaveNotesOfDay(FileName, DayOf(2025, 6, 1), {{"d", "", false, ""}});
        std::set<std::string> Ids;
        for (const TNote& Note : notes::LoadNotes(FileName, false).Notes) {
            EXPECT_FALSE(Note.Id.empty()) << Note.Title << Tail;
            Ids.insert(Note.Id);
        }
        EXPECT_EQ(Ids.size(), 4U) << Tail;
        EXPECT_TRUE(Ids.contains("given")) << Tail;
        EXPECT_EQ(PreviousReleaseReading(ReadBytes(FileName)).size(), 4U) << Tail;
        // A second save changes no identity.
        const TNotes Before = notes::LoadNotes(FileName, false).Notes;
        notes::SaveNotesOfDay(FileName, DayOf(2024, 4, 30), {});
        EXPECT_EQ(notes::LoadNotes(FileName, false).Notes, Before) << Tail;
    }
}

TEST_F(NotesAnyDay, TheIdentityFollowsTheNoteThroughChangesAndDeletes) {
    const notes::TNoteDay Day = DayOf(2024, 2, 10);
    notes::SaveNotesOfDay(FileName, Day, {{"年夜饭", "", false, ""}, {"年夜饭", "", false, "二"}});
    TNotes Stored = NotesOf(Day);
    ASSERT_EQ(Stored.size(), 2U);
    const std::string First = Stored[0].Id;
    const std::string Second = Stored[1].Id;
    EXPECT_NE(First, Second);

    // Renamed and moved to another position: found by its identity, identity kept.
    TNote Renamed = Stored[1];
    Renamed.Title = "团圆饭";
    Renamed.Repeat = TRule::LunarYearly;
    notes::SaveNotesOfDay(FileName, Day, {Renamed});
    Stored = NotesOf(Day);
    ASSERT_EQ(Stored.size(), 2U);
    EXPECT_EQ(Stored[1], Renamed);
    EXPECT_EQ(Stored[0].Id, First);

    // A note with an identity the day does not hold is new, whatever its title and place.
    TNote Stranger{"年夜饭", "", false, "", {}, {}, "0123456789abcdef0123456789abcdef"};
    notes::SaveNotesOfDay(FileName, Day, {Stranger});
    EXPECT_EQ(NotesOf(Day).size(), 3U);

    // Deleting by identity takes that note, not the first of its title.
    notes::DeleteNoteOfDay(FileName, Day, Stranger);
    Stored = NotesOf(Day);
    ASSERT_EQ(Stored.size(), 2U);
    EXPECT_EQ(Stored[0].Id, First);
    notes::DeleteNoteOfDay(FileName, Day, Stored[1]);
    notes::DeleteNoteOfDay(FileName, Day, {"年夜饭", "", false, ""});
    EXPECT_FALSE(notes::ReadNotesOf(FileName, {notes::DayName(Day), false}).DayFound);
}
