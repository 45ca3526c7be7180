#pragma once

// The notes file Notes.xml: one element per day ("Date" + "yyyy-mm-dd") under the root
// "便签列表", four elements per note ("标题", "日期", "提醒", "内容"). Every operation reads the
// file afresh and takes "today" from platform::Now() when it runs. Texts are UTF-8; the file
// itself is GB2312, with numeric character references for what GB2312 cannot hold.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace notes {

// Whether a note reminds. The file holds "是" (on) or "否" (off); any other text there, an
// empty one too, is off and is kept as it was, so that it shows and saves unchanged.
class TReminder {
public:
    TReminder() = default;
    TReminder(bool On) : FOn(On) {}
    // A text is never a flag: "否" must not turn into true by way of a pointer.
    TReminder(const char*) = delete;

    // The reminder a text of the file stands for.
    static TReminder FromText(std::string Text);

    bool On() const { return FOn; }
    // False for a text other than "是" and "否", kept from the file.
    bool Known() const { return !FOther; }
    // The text the file holds for it.
    std::string Text() const;

    friend bool operator==(const TReminder&, const TReminder&) = default;

private:
    bool FOn = false;
    std::optional<std::string> FOther;
};

// One note: title, reminder time, reminder and content.
struct TNote {
    std::string Title;
    std::string When;
    TReminder Remind;
    std::string Content;

    friend bool operator==(const TNote&, const TNote&) = default;
};

using TNotes = std::vector<TNote>;

// What a reading delivered, by the one reading rule of notes/ReadingRule.h. Ok is false when
// the file could not be read or parsed; Notes is then empty.
struct TNotesRead {
    TNotes Notes;
    bool Ok = false;
    bool DayFound = false; // at least one day element was selected
};

// One alarm slot: an empty Title means the slot holds no alarm.
struct TNoteAlarm {
    std::string Title;
    std::string When;

    friend bool operator==(const TNoteAlarm&, const TNoteAlarm&) = default;
};

inline constexpr int AlarmSlotCount = 10;
using TNoteAlarms = std::array<TNoteAlarm, AlarmSlotCount>;

struct TAlarmsRead {
    TNoteAlarms Slots;
    bool Ok = false;
};

// The notes file's full path in the data folder.
std::string NotesFileName();

// The name of the sample day element, which the list readers skip.
inline constexpr const char* SampleDayName = "Date2000-01-01";

// "Date" + today as "yyyy-mm-dd".
std::string TodayDayName();

// The operations that change the file throw ENotesError (notes/NotesError.h) when they cannot
// be done, with the reason in Chinese, naming the file; the file is then as it was.

// Writes a new file holding only the sample note, under the file's save lock; a file that
// exists by the time the lock is held (made by another process since the caller looked) is
// left as it is.
void WriteSampleNotes(const std::string& FileName);

// OnlyToday false: every day element except the sample one. OnlyToday true: the day
// elements named as today's, never the sample one.
TNotesRead LoadNotes(const std::string& FileName, bool OnlyToday);

// The day elements named as today's (the sample one too on 2000-01-01), for the popup.
TNotesRead ReadTodayNotes(const std::string& FileName);

// Today's alarms: slot k belongs to the k-th note of today and holds its title and time when
// it reminds; notes after the tenth are read but fill no slot.
TAlarmsRead ReadTodayAlarms(const std::string& FileName);

// Merges the notes into today's notes in the file as it is on disk now, and saves it, holding
// the file's save lock throughout. Today's notes are those the readers see (notes/ReadingRule.h),
// from every day element named as today's; a given note whose title equals that of the stored note
// at the same position overwrites its time, reminder and content, any other is appended. Today's
// notes are then written back in the stored form into the first of those day elements, and the
// others are removed, so no note is lost or repeated (what the rule passes over inside them, such
// as comments, goes).
void SaveTodayNotes(const std::string& FileName, const TNotes& Notes);

// Removes today's first note with this title the same way (today's day element too when no
// note is left) and saves the file, holding the save lock. The reason of its error begins
// with "无法删除便签：".
void DeleteNote(const std::string& FileName, const std::string& Title);

// The report of a part of the file that could never be saved back (see
// platform::XmlDocument::FirstUnwritable), in Chinese with its line; empty when there is none
// or the file does not read.
std::string UnwritablePartOf(const std::string& FileName);

} // namespace notes
