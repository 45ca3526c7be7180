#pragma once

// Which of today's reminders are due at a tick of the note alarm. A reminder is due during
// its minute, at every tick of that minute. When the wall clock has jumped forward since the
// last tick (a suspend and resume, a blocked event loop, a clock step), every reminder of
// the day whose minute was skipped is due once at this tick, so none is lost. A reminder
// that has come once in this run never comes again, even when the clock is set back over
// its minute. A jump across midnight catches nothing up: the minutes skipped belong partly
// to another day, and the new day's reminders start with the minute of the tick.

#include "notes/UNotesFile.h"

#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace notes {

struct TDueReminder {
    int Slot = 0;       // the alarm slot, so the note's place among today's notes
    bool First = false; // true only at the first tick it is due in this run

    friend bool operator==(const TDueReminder&, const TDueReminder&) = default;
};

class TDueReminders {
public:
    // The reminders among Slots due at a tick whose minute is Minute ("yyyy-mm-dd hh:nn"),
    // in slot order. A tick that looks at no reminder (alarms off, no notes file) passes
    // empty Slots, so the minutes it saw are never caught up later.
    std::vector<TDueReminder> Tick(const std::string& Minute, std::span<const TNoteAlarm> Slots);

private:
    using TKey = std::pair<std::string, std::string>; // title and time

    bool Skipped(const std::string& When, const std::string& Minute) const;

    std::string FLastMinute;
    // Every reminder that came in this run, and those that came in the last tick's minute.
    std::set<TKey> FCame;
    std::set<TKey> FCameThisMinute;
};

} // namespace notes
