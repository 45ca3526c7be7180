#pragma once

// The notes file Notes.xml: one element per day ("Date" + "yyyy-mm-dd") under the root
// "便签列表", four elements per note ("标题", "日期", "提醒", "内容"). Every operation reads the
// file afresh and takes "today" from platform::Now() when it runs. Texts are UTF-8; the file
// itself is GB2312, with numeric character references for what GB2312 cannot hold.

#include <array>
#include <string>
#include <vector>

namespace notes {

// One note: title, reminder time, reminder flag ("是" or "否") and content.
struct TNote {
    std::string Title;
    std::string When;
    std::string Remind;
    std::string Content;

    friend bool operator==(const TNote&, const TNote&) = default;
};

using TNotes = std::vector<TNote>;

// What a reading delivered. Ok is false when the file could not be read or parsed, or when
// a group of children lacked a text; Notes then holds what was read before the fault.
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

// Writes a new file holding only the sample note. Throws ENotesError when it cannot be saved.
void WriteSampleNotes(const std::string& FileName);

// OnlyToday false: every day element except the sample one. OnlyToday true: the day
// elements named as today's, never the sample one.
TNotesRead LoadNotes(const std::string& FileName, bool OnlyToday);

// The day elements named as today's (the sample one too on 2000-01-01), for the popup.
TNotesRead ReadTodayNotes(const std::string& FileName);

// Today's alarms: slot k belongs to the k-th note of today and holds its title and time when
// its reminder is "是". Only the first three texts of a note are needed; notes after the
// tenth are read but fill no slot.
TAlarmsRead ReadTodayAlarms(const std::string& FileName);

// Merges the notes, given as a flat list of four texts per note (title, time, reminder,
// content; a trailing incomplete group is ignored), into today's day element of the file as
// it is on disk now, and saves it. A stored note at the same position with the same title is
// overwritten; any other note is appended. Throws ENotesError with the parser's message when
// the file cannot be read or parsed (nothing is written) and when the save fails.
void SaveTodayNotes(const std::string& FileName, const std::vector<std::string>& Texts);

// Removes today's first note with this title (today's day element too when it becomes
// empty) and saves the file. False when the file cannot be read, parsed or saved.
bool DeleteNote(const std::string& FileName, const std::string& Title);

} // namespace notes
