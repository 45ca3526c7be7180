#pragma once

// Which notes fall on a day: the one answer that the grid's marks, the tooltip, today's popup,
// the alarm, the history and ruxa-cal share.
//
// A note falls on the day of its day element (its anchor). A repeating note (TNote::Repeat)
// comes back after it on the days its rule gives:
//   每天      every day;
//   每周      the anchor's weekday;
//   每月      the anchor's day of the month, or the month's last day when it is shorter
//             (a note of the 31st comes on 02-29, 04-30);
//   每年      the anchor's month and day; 02-29 comes on 02-28 in common years;
//   每月农历  the anchor's lunar day in every lunar month, leap months included;
//   每年农历  the anchor's lunar month and day each lunar year; an anchor in a leap month comes
//             in the leap month of that number in a year that has one, and in the ordinary
//             month otherwise; an anchor in an ordinary month comes in the ordinary month.
// In both lunar rules 三十 comes on 廿九 in a month of 29 days. Lunar rules need the engine's
// conversion (calendar/UCalendar.h): outside its range a lunar note has no occurrences.
//
// A note with a time ("yyyy-mm-dd hh:nn" whose date is its anchor day) keeps the hh:nn at
// every occurrence; any other When is a note without a time.

#include "calendar/UCalendar.h"
#include "notes/UNotesFile.h"
#include "platform/FileStamp.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace notes {

struct TOccurrence {
    TNoteDay Day;    // the day the note falls on
    TNoteDay Anchor; // the day of its day element; Day itself for a day's own notes
    // The time as the note shows on Day: a day's own note keeps its When as stored; a
    // repeating note's When with its leading "yyyy-mm-dd" (if any) made Day's.
    std::string When;
    int Minute = -1; // minutes after midnight of its time; -1 for a note without a time
    TNote Note;      // as the file holds it

    bool Timed() const { return Minute >= 0; }
    friend bool operator==(const TOccurrence&, const TOccurrence&) = default;
};

using TOccurrences = std::vector<TOccurrence>;

// Whether a note with this repeat, anchored on Anchor, falls on Day (always on its anchor,
// never before it; only there when it does not repeat).
bool FallsOn(const TRepeat& Repeat, TNoteDay Anchor, TNoteDay Day);

// The minutes after midnight of a note's time on its anchor day: When is "yyyy-mm-dd hh:nn"
// with Anchor's date; -1 otherwise.
int MinuteOfDay(std::string_view When, TNoteDay Anchor);

// What the rules ask of one day (defined where the rules are).
struct TDayFacts;

// A repeating note with what its rule asks of its anchor day.
struct TRepeatingNote {
    const TNote* Note = nullptr;
    TNoteDay Anchor;
    int AnchorNumber = 0; // days since 1970-01-01
    unsigned WeekDay = 0; // 0 = Sunday
    std::optional<TLunarDate> Lunar;
    int Minute = -1; // as MinuteOfDay gives it

    TRepeatingNote(const TNote& Of, TNoteDay AnchorDay);
    // Whether it comes back on a day after its anchor.
    bool ComesOn(const TDayFacts& Day) const;
};

// Every note of a notes file, indexed by day, with its repeating notes apart. Days outside
// "Date" + a valid "yyyy-mm-dd" (and the sample day, unless asked for) hold no occurrences.
class TNotesIndex {
public:
    TNotesIndex() = default;
    // The index points into itself.
    TNotesIndex(const TNotesIndex&) = delete;
    TNotesIndex& operator=(const TNotesIndex&) = delete;

    // Reads the file when it is not the one of the last reading or its stamp
    // (platform/FileStamp.h) has changed since; true when it was read now. A file that cannot
    // be read or parsed leaves an empty index with Ok false.
    bool Refresh(const std::string& FileName);
    // Indexes the bytes of a notes file; false (and an empty index) when they do not parse.
    bool Build(std::string_view Bytes);

    bool Ok() const { return FOk; }

    // The notes that fall on Day: the day's own notes in file order, then the repeating
    // notes of earlier days that come back on it, by anchor day and then file order. The
    // sample day's note counts on 2000-01-01 only with SampleToo (as for today's popup).
    TOccurrences On(TNoteDay Day, bool SampleToo = false) const;
    // Whether any note falls on Day (the sample day's never): On(Day) is not empty.
    bool AnyOn(TNoteDay Day) const;
    // Every occurrence from From to To (inclusive), by day, each day as On gives it.
    TOccurrences Between(TNoteDay From, TNoteDay To) const;

    // The reminders that come on Day: every occurrence with a time of a note whose 提醒 is 是,
    // on Day or up to a week after it, whose time less the note's advance lies on Day. By due
    // minute, then occurrence day and place as On gives them.
    TNoteAlarms AlarmsOn(TNoteDay Day) const;

    // The number of notes read, and of repeating ones among them.
    std::size_t NoteCount() const { return FNoteCount; }
    std::size_t RepeatingCount() const { return FRepeating.size(); }

private:
    void Clear();
    void OwnOn(const TDayFacts& Facts, bool SampleToo, TOccurrences& Into) const;
    void RepeatsOn(const TDayFacts& Facts, TOccurrences& Into) const;

    bool FOk = false;
    bool FKnown = false; // the index is of FFileName as stamped FStamp
    std::string FFileName;
    platform::TFileStamp FStamp;
    std::size_t FNoteCount = 0;
    // Each valid day's notes, keyed by the day's number (days since 1970-01-01).
    std::unordered_map<int, TNotes> FDays;
    TNotes FSampleNotes;
    std::vector<TRepeatingNote> FRepeating; // by anchor day, then file order
};

// One index per process for the notes file, refreshed by its stamp at each call, so the
// windows and ruxa-cal share one reading of the file. Not for use from several threads.
const TNotesIndex& SharedNotesIndex(const std::string& FileName);

// The notes that fall on Day in the file as it is now (SharedNotesIndex(FileName).On(Day)).
TOccurrences NotesOnDay(const std::string& FileName, TNoteDay Day);

} // namespace notes
