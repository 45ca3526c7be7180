// Every day of the file read in one pass gives each day the notes that reading that day alone
// gives, also where the file is irregular.

#include "notes/NotesReading.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using notes::TDayNotes;

namespace {

// What a part present but empty, or missing, reads as.
const notes::TReminder NoText = notes::TReminder::FromText("");

} // namespace

TEST(NotesByDay, EachDayReadsAsOnItsOwn) {
    struct Case {
        const char* What;
        const char* File;
        std::optional<std::vector<TDayNotes>> Days;
    };
    const Case Cases[] = {
        {"the writers' form, with the sample day",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表><Date2000-01-01><标题>测试</标题>"
         "<日期>2000-01-01</日期><提醒>是</提醒><内容>千禧年</内容></Date2000-01-01>"
         "<Date2024-05-01><标题>a</标题><日期>2024-05-01 14:00</日期><提醒>是</提醒>"
         "<内容>b</内容></Date2024-05-01></便签列表>",
         std::vector<TDayNotes>{{"Date2000-01-01", {{"测试", "2000-01-01", true, "千禧年"}}},
                                {"Date2024-05-01", {{"a", "2024-05-01 14:00", true, "b"}}}}},
        {"a day given twice, comments, CDATA, entities, unknown children, text beside the "
         "notes, nested elements and an element that names no day",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r><Date2024-05-01><标题>a &amp; &lt;b&gt;"
         "</标题><日期/></Date2024-05-01><other><标题>x</标题></other><Date2024-05-02>"
         "<!-- note --><标题><![CDATA[<c>]]></标题><日期>d</日期><提醒>否</提醒></Date2024-05-02>"
         "<Date2024-05-01><提醒>是</提醒><内容>e<i>f</i>g</内容><其他/>  text  <标题>h"
         "</标题></Date2024-05-01></r>",
         std::vector<TDayNotes>{
             {"Date2024-05-01",
              {{"a & <b>", "", NoText, ""}, {"", "", true, "efg"}, {"h", "", NoText, ""}}},
             {"other", {{"x", "", NoText, ""}}},
             {"Date2024-05-02", {{"<c>", "d", false, ""}}}}},
        {"a broken day before a sound one",
         "<r><Date2024-05-01><标题>a</标题><日期/><提醒>否</提醒><x/></Date2024-05-01>"
         "<Date2024-05-03><标题>ok</标题><日期/><提醒>否</提醒><内容/></Date2024-05-03></r>",
         std::vector<TDayNotes>{{"Date2024-05-01", {{"a", "", false, ""}}},
                                {"Date2024-05-03", {{"ok", "", false, ""}}}}},
        {"days without notes", "<r><Date2024-05-01/><Datum/><Date2024-05-01/></r>",
         std::vector<TDayNotes>{{"Date2024-05-01", {}}, {"Datum", {}}}},
        {"a file that is not well-formed", "<r><Date2024-05-01>", std::nullopt},
    };
    for (const Case& C : Cases) {
        const auto Days = notes::ReadNotesByDay(C.File);
        EXPECT_EQ(Days, C.Days) << C.What;
        for (const TDayNotes& Day : Days.value_or(std::vector<TDayNotes>{})) {
            EXPECT_EQ(Day.Notes, notes::ReadNotesFrom(C.File, {Day.Name, true}).Notes)
                << C.What << ": " << Day.Name;
        }
    }
}
