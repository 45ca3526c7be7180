// The remembered-reminders file: what is saved reads back as it was, whatever the titles
// hold, and what does not read is left out line by line.

#include "notes/RememberedReminders.h"

#include "NotesTestFolder.h"

#include <gtest/gtest.h>

using notes::TRememberedReminders;
using notes::TReminderMoment;

namespace {

class RememberedRemindersTest : public NotesTestFolder {};

} // namespace

TEST_F(RememberedRemindersTest, SavedMemoryReadsBackWhateverTheTitlesHold) {
    TRememberedReminders Memory;
    Memory.SetLastSeen("2024-05-01 14:31");
    const TReminderMoment Odd{
        "a\tb\\c\nd\re", "标题\t二", "2024-05-01 14:00", "2024-05-01 13:00", {}};
    const TReminderMoment Plain{
        "0123456789abcdef0123456789abcdef", "喝水", "2024-05-02 09:00", "2024-05-02 09:00", {}};
    Memory.Came(Odd, "2024-05-01 13:00");
    Memory.Came(Plain, "2024-05-02 09:00");
    Memory.Snooze(Odd, "2024-05-01 13:10");
    std::string Error;
    ASSERT_TRUE(Memory.Save(TRememberedReminders::DefaultFileName(), Error)) << Error;
    const TRememberedReminders Read =
        TRememberedReminders::Load(TRememberedReminders::DefaultFileName());
    EXPECT_EQ(Read, Memory);
    EXPECT_TRUE(Read.HasCome(Odd));
    EXPECT_EQ(Read.Snoozed().at(0).Reminder, Odd);
    EXPECT_TRUE(TemporaryFilesIn(Folder).empty());
}

TEST_F(RememberedRemindersTest, LinesThatDoNotReadAreLeftOut) {
    const TRememberedReminders Read = TRememberedReminders::FromText(
        "last\t2024-13-01 10:00\n"                         // no such month
        "came\tk\t2024-05-01 10:00\n"                      // a field short
        "came\t\t2024-05-01 10:00\t2024-05-01 10:00\n"     // no key
        "came\tk\\q\t2024-05-01 10:00\t2024-05-01 10:00\n" // an escape that means nothing
        "snoozed\tk\tt\t2024-05-01 10:00\t2024-05-01 10:00\t24:00\n"
        "came\tk\t2024-05-01 10:00\t2024-05-01 10:00"); // the last line without its line feed
    EXPECT_EQ(Read.LastSeen(), "");
    EXPECT_TRUE(Read.Snoozed().empty());
    EXPECT_TRUE(Read.HasCome({"k", "", "2024-05-01 10:00", "", {}}));
    EXPECT_EQ(Read.ToText(), "came\tk\t2024-05-01 10:00\t2024-05-01 10:00\n");
}
