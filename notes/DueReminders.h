#pragma once

// Which of today's reminders (notes/NoteOccurrences.h: TNotesIndex::AlarmsOn) are due at a
// tick of the note alarm. A reminder is due during its minute (TNoteAlarm::Minute), at every
// tick of that minute. When the wall clock has jumped forward since the last tick (a suspend
// and resume, a blocked event loop, a clock step), every reminder of the day whose minute was
// skipped is due once at this tick, so none is lost. A reminder that has come once in this run
// never comes again, even when the clock is set back over its minute. A jump across midnight
// catches nothing up: the minutes skipped belong partly to another day, and the new day's
// reminders start with the minute of the tick.

#include "notes/UNotesFile.h"

#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace notes {

struct TDueReminder {
    int Alarm = 0;      // its place among the alarms the tick was given
    bool First = false; // true only at the first tick it is due in this run

    friend bool operator==(const TDueReminder&, const TDueReminder&) = default;
};

class TDueReminders {
public:
    // The reminders among Alarms due at a tick whose minute is Minute ("yyyy-mm-dd hh:nn"),
    // in their order. A tick that looks at no reminder (alarms off, no notes file) passes
    // empty Alarms, so the minutes it saw are never caught up later.
    std::vector<TDueReminder> Tick(const std::string& Minute, std::span<const TNoteAlarm> Alarms);

private:
    // A reminder: the note (its identity, else its title), its occurrence's time, its due
    // minute, and how many alike come before it among the alarms (two notes without identity
    // and title at one time are two reminders).
    using TKey = std::tuple<std::string, std::string, std::string, int>;

    bool Skipped(const std::string& Due, const std::string& Minute) const;

    std::string FLastMinute;
    // Every reminder that came in this run, and those that came in the last tick's minute.
    std::set<TKey> FCame;
    std::set<TKey> FCameThisMinute;
};

} // namespace notes
