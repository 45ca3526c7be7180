// Each day's small document reads, with the notes reader, exactly as that day reads in the
// whole file, also where the file is irregular.

#include "terminal/NotesByDay.h"
#include "notes/NotesReading.h"

#include <gtest/gtest.h>

namespace {

void ExpectSameReading(const std::string& File) {
    std::vector<TDayDocument> Days;
    std::string Error;
    ASSERT_TRUE(SplitNotesByDay(File, Days, Error)) << Error;
    ASSERT_FALSE(Days.empty());
    for (const TDayDocument& Day : Days) {
        const notes::TNotesRead Whole = notes::ReadNotesFrom(File, {Day.Name, true});
        const notes::TNotesRead Part = notes::ReadNotesFrom(Day.Document, {Day.Name, true});
        EXPECT_EQ(Part.Ok, Whole.Ok) << Day.Name << "\n" << Day.Document;
        EXPECT_EQ(Part.Notes, Whole.Notes) << Day.Name << "\n" << Day.Document;
    }
}

} // namespace

TEST(NotesByDay, DaysReadAsInTheWholeFile) {
    const char* const Files[] = {
        // The writers' form, with the sample day.
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表><Date2000-01-01><标题>测试</标题>"
        "<日期>2000-01-01</日期><提醒>是</提醒><内容>千禧年</内容></Date2000-01-01>"
        "<Date2024-05-01><标题>a</标题><日期>2024-05-01 14:00</日期><提醒>是</提醒>"
        "<内容>b</内容></Date2024-05-01></便签列表>",
        // A day given twice, whose count runs on from one element into the next; comments,
        // CDATA, entities, an unknown child, text beside the notes and nested elements.
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r><Date2024-05-01><标题>a &amp; &lt;b&gt;"
        "</标题><日期/></Date2024-05-01><other><标题>x</标题></other><Date2024-05-02>"
        "<!-- note --><标题><![CDATA[<c>]]></标题><日期>d</日期><提醒>否</提醒></Date2024-05-02>"
        "<Date2024-05-01><提醒>是</提醒><内容>e<i>f</i>g</内容><其他/>  text  <标题>h"
        "</标题></Date2024-05-01></r>",
        // A fault in one day: four children with three texts.
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r><Date2024-05-01><标题>a</标题><日期/>"
        "<提醒>否</提醒><x/></Date2024-05-01><Date2024-05-03><标题>ok</标题><日期/>"
        "<提醒>否</提醒><内容/></Date2024-05-03></r>",
    };
    for (const char* File : Files) {
        ExpectSameReading(File);
    }
}

TEST(NotesByDay, NamesThatAreNoDaysAreLeftOutAndBadFilesRefused) {
    std::vector<TDayDocument> Days;
    std::string Error;
    ASSERT_TRUE(SplitNotesByDay("<r><Date2024-02-30/><Datum/><Date2024-05-01/><Date2024-05-01/>"
                                "</r>",
                                Days, Error));
    ASSERT_EQ(Days.size(), 1U);
    EXPECT_EQ(Days[0].Name, "Date2024-05-01");
    EXPECT_FALSE(SplitNotesByDay("<r><Date2024-05-01>", Days, Error));
    EXPECT_FALSE(Error.empty());
}
