#pragma once

// The notes file Notes.xml: one element per day ("Date" + "yyyy-mm-dd") under the root
// "便签列表"; a note is its elements "标题", "日期", "提醒", "内容", then "重复", "提前" and
// "标识" (which a note may lack: it is then a one-off note without advance or identity). Every
// operation reads the file afresh and takes "today" from platform::Now() when it runs. Texts
// are UTF-8; the file itself is GB2312, with numeric character references for what GB2312
// cannot hold.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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

// How a note comes back after the day that holds it (its anchor). The file holds "每天",
// "每周", "每月", "每年", "每月农历" or "每年农历"; an empty text (or none) is a one-off note.
// Any other text repeats nothing and is kept as it was, so that it saves unchanged.
class TRepeat {
public:
    enum class TRule { None, Daily, Weekly, Monthly, Yearly, LunarMonthly, LunarYearly };

    TRepeat() = default;
    TRepeat(TRule Rule) : FRule(Rule) {}

    static TRepeat FromText(std::string Text);

    TRule Rule() const { return FRule; }
    bool Repeats() const { return FRule != TRule::None; }
    // False for a text that names no rule, kept from the file.
    bool Known() const { return !FOther; }
    std::string Text() const;

    friend bool operator==(const TRepeat&, const TRepeat&) = default;

private:
    TRule FRule = TRule::None;
    std::optional<std::string> FOther;
};

// How long before each occurrence's time the reminder comes: whole minutes 0 .. MaxAdvance
// ("1440" is the day before). An empty text (or none) is 0; any other text counts as 0 and is
// kept as it was.
class TAdvance {
public:
    static constexpr int MaxMinutes = 10080; // a week

    TAdvance() = default;
    // Minutes outside 0 .. MaxMinutes are brought to the nearer end.
    TAdvance(int Minutes);

    static TAdvance FromText(std::string Text);

    int Minutes() const { return FMinutes; }
    bool Known() const { return !FOther; }
    std::string Text() const;

    friend bool operator==(const TAdvance&, const TAdvance&) = default;

private:
    int FMinutes = 0;
    std::optional<std::string> FOther;
};

// One note: title, reminder time, reminder and content, and how it repeats, how early it
// reminds and its identity.
struct TNote {
    TNote() = default;
    TNote(std::string Title, std::string When, TReminder Remind, std::string Content,
          TRepeat Repeat = {}, TAdvance Advance = {}, std::string Id = {})
        : Title(std::move(Title)), When(std::move(When)), Remind(std::move(Remind)),
          Content(std::move(Content)), Repeat(std::move(Repeat)), Advance(std::move(Advance)),
          Id(std::move(Id)) {}

    std::string Title;
    // "yyyy-mm-dd hh:nn" for a note with a time (a repeating note's is that of its anchor
    // day, and each occurrence keeps the hh:nn); "yyyy-mm-dd", empty or any other text for a
    // note without one.
    std::string When;
    TReminder Remind;
    std::string Content;
    TRepeat Repeat;
    TAdvance Advance;
    // 32 lowercase hexadecimal digits of a random 128-bit value, given when the note is first
    // written and never changed; empty for a note not yet saved (or read from a file written
    // before notes had one, until the next save).
    std::string Id;

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

// One reminder that comes today: a note whose 提醒 is 是, at one of its occurrences (see
// notes/NoteOccurrences.h) less its advance. The title may be empty: such a note reminds too.
struct TNoteAlarm {
    std::string Minute; // "yyyy-mm-dd hh:nn" when it is due: the occurrence's time less the advance
    std::string When;   // the occurrence's time, "yyyy-mm-dd hh:nn"
    TNote Note;         // the note as the file holds it (its When is the anchor day's)

    friend bool operator==(const TNoteAlarm&, const TNoteAlarm&) = default;
};

// By due minute, then by the occurrence's day and the note's place in the file.
using TNoteAlarms = std::vector<TNoteAlarm>;

struct TAlarmsRead {
    TNoteAlarms Alarms;
    bool Ok = false;
};

// A day of the calendar, as the notes name their day elements.
using TNoteDay = std::chrono::year_month_day;

// The notes file's full path in the data folder.
std::string NotesFileName();

// The name of the sample day element, which the list readers skip.
inline constexpr const char* SampleDayName = "Date2000-01-01";

// "Date" + the day as "yyyy-mm-dd".
std::string DayName(TNoteDay Day);
// The day a day element's name gives: "Date" and a valid date "yyyy-mm-dd"; none otherwise.
std::optional<TNoteDay> DayOfName(std::string_view Name);

// "Date" + today as "yyyy-mm-dd".
std::string TodayDayName();
// Today by platform::Now().
TNoteDay Today();

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

// The reminders that come today, read from the file now (see TNotesIndex::AlarmsOn in
// notes/NoteOccurrences.h, which the alarm keeps between its ticks).
TAlarmsRead ReadTodayAlarms(const std::string& FileName);

// Merges the notes into the notes of Day in the file as it is on disk now, and saves it,
// holding the file's save lock throughout. The day's notes are those the readers see
// (notes/ReadingRule.h), from every day element named as Day's. A given note is matched to a
// stored one by its identity when it has one the day holds, else by its title and place (the
// stored note at the same position with the same title, when neither has an identity the
// other lacks); a match is overwritten (keeping the stored identity when the given note has
// none), any other note is appended. The day's notes are then written back in the stored form
// into the first of those day elements, and the others are removed, so no note is lost or
// repeated (what the rule passes over inside them, such as comments, goes). Every note of the
// file that lacks an identity gets one in the same save.
void SaveNotesOfDay(const std::string& FileName, TNoteDay Day, const TNotes& Notes);
// SaveNotesOfDay for today.
void SaveTodayNotes(const std::string& FileName, const TNotes& Notes);

// Removes one note of Day the same way (the day element too when no note is left) and saves
// the file, holding the save lock: the note with Note's identity when it has one, else the
// first note with Note's title. The sample day is never changed. The reason of its error
// begins with "无法删除便签：".
void DeleteNoteOfDay(const std::string& FileName, TNoteDay Day, const TNote& Note);
// Removes today's first note with this title the same way.
void DeleteNote(const std::string& FileName, const std::string& Title);

// The report of a part of the file that could never be saved back (see
// platform::XmlDocument::FirstUnwritable), in Chinese with its line, or of a file whose saved
// form would be larger than a notes file may be (notes/NotesDocument.h: TooLargeToSave); empty
// when there is none or the file does not read.
std::string UnwritablePartOf(const std::string& FileName);

} // namespace notes
