#pragma once

// A note as iCalendar (RFC 5545) events, the one mapping that the notes feed of ruxa-cal and
// the calendar sync share.
//
// A note with a time ("yyyy-mm-dd hh:nn" of its day) is an event of an hour at that local
// time, with a display alarm when it reminds, TRIGGER its advance before the start; any other
// note is an all-day event on its day, without an alarm. Repeats:
// - 每天, 每周: FREQ=DAILY, FREQ=WEEKLY.
// - 每月: FREQ=MONTHLY;BYMONTHDAY=d up to the 28th; on the 29th or 30th
//   BYMONTHDAY=28,...,d;BYSETPOS=-1 (the day, or the month's last day when it is shorter);
//   on the 31st BYMONTHDAY=-1 (every month's last day).
// - 每年: FREQ=YEARLY; a note of 02-29 BYMONTH=2;BYMONTHDAY=28,29;BYSETPOS=-1 (02-28 in
//   common years, as the calendar shows it).
// - 每月农历, 每年农历: no RRULE (the common servers refuse RSCALE): one event per occurrence
//   up to the engine's last year, each with a UID of its own (the note's UID with "-" and the
//   year for 每年农历, with "-" and the date yyyymmdd for 每月农历), and the property
//   X-RUXA-LUNAR-REPEAT naming the rule.
// An unknown repeat text repeats nothing.

#include "notes/UNotesFile.h"
#include "notes/ical/IcalFeed.h"

#include <string>
#include <unordered_set>

namespace notes::ical {

// The RRULE value of a Gregorian repeat on this anchor day; empty for the others.
std::string RepeatRule(const TRepeat& Repeat, TNoteDay Anchor);

// Adds the event or events of a note anchored on Anchor to the feed, with the UID Uid (or
// those derived from it for a lunar repeat).
void AddNoteEvents(TIcalFeed& Feed, const TNote& Note, TNoteDay Anchor, const std::string& Uid);

// The UIDs of the notes of one feed: "<identity>@ruxa-calendar" for a note with one; for a
// note without (a file no save of this version has touched yet) "note-<yyyymmdd>-<title in
// hexadecimal>@ruxa-calendar", which stays as long as the note keeps its day and title. A
// UID already given in the feed (two untitled notes of a day, an identity copied by hand) gets
// "-2", "-3", ... before the "@", in file order.
class TNoteUids {
public:
    std::string UidOf(const TNote& Note, TNoteDay Anchor);

private:
    std::unordered_set<std::string> FGiven;
};

} // namespace notes::ical
