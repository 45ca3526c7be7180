#pragma once

// What the note alarm remembers across runs, in a small file of its own in the data folder
// ("Reminders.txt", UTF-8 lines): the last minute a tick looked at the reminders, the
// reminders that have come (note, occurrence and the minute they came) and the reminders
// snoozed until a later minute. It is read once at start and saved crash-safely whenever it
// changes. A line that does not read is left out; a file without its last minute (missing
// or damaged) makes the alarm catch up nothing, since it cannot tell which minutes it saw.

#include <string>
#include <vector>

namespace notes {

// One reminder of one occurrence of a note. Key names the note (its identity, or its title
// where it has none); Occurrence is the occurrence's time and Minute the reminder's, both
// "yyyy-mm-dd hh:nn" (they differ by the note's advance). The content is there to be shown
// and is not remembered.
struct TReminderMoment {
    std::string Key;
    std::string Title;
    std::string Occurrence;
    std::string Minute;
    std::string Content;

    friend bool operator==(const TReminderMoment&, const TReminderMoment&) = default;
};

// A reminder snoozed: it comes again at Again ("yyyy-mm-dd hh:nn").
struct TSnoozedReminder {
    TReminderMoment Reminder;
    std::string Again;

    friend bool operator==(const TSnoozedReminder&, const TSnoozedReminder&) = default;
};

class TRememberedReminders {
public:
    // The file's full path in the data folder.
    static std::string DefaultFileName();

    // Reads the file; a missing or unreadable file gives an empty memory.
    static TRememberedReminders Load(const std::string& FileName);
    // The memory a text of the file stands for; lines that do not read are left out.
    static TRememberedReminders FromText(const std::string& Text);
    std::string ToText() const;

    // Saves crash-safely; false with the reason (in Chinese, naming the file) in Error.
    bool Save(const std::string& FileName, std::string& Error) const;

    // The last minute a tick looked at the reminders; empty when unknown.
    const std::string& LastSeen() const { return FLastSeen; }
    void SetLastSeen(const std::string& Minute) { FLastSeen = Minute; }

    bool HasCome(const TReminderMoment& Reminder) const;
    void Came(const TReminderMoment& Reminder, const std::string& Minute);

    const std::vector<TSnoozedReminder>& Snoozed() const { return FSnoozed; }
    // Snoozes the reminder until Again, replacing an earlier snooze of it.
    void Snooze(const TReminderMoment& Reminder, const std::string& Again);
    // Takes out the snoozes whose minute has come by Minute, in the order they were made.
    std::vector<TReminderMoment> TakeSnoozesDue(const std::string& Minute);
    // Drops the snooze of the reminder, when there is one.
    void Unsnooze(const TReminderMoment& Reminder);

    // Forgets the reminders that came before Minute; nothing older is ever looked at again.
    void ForgetBefore(const std::string& Minute);

    friend bool operator==(const TRememberedReminders&, const TRememberedReminders&) = default;

private:
    struct TCame {
        std::string Key;
        std::string Occurrence;
        std::string Minute;

        friend bool operator==(const TCame&, const TCame&) = default;
    };

    std::string FLastSeen;
    std::vector<TCame> FCame;
    std::vector<TSnoozedReminder> FSnoozed;
};

} // namespace notes
