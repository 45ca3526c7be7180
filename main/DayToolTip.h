#pragma once

// The tooltip text of a day cell: the day's description (Gregorian date and week day, long
// lunar date, pillars and zodiac animal, term, festivals, public holiday) and the titles and
// times of its desk notes, read from the notes file at this moment. One line per item, each
// cut to MaxToolTipLineCharacters: a note title may be a megabyte long.

#include "calendar/HolidayTable.h"

#include <cstddef>
#include <string>

inline constexpr std::size_t MaxToolTipLineCharacters = 60;

// Empty for a date outside the supported years. A notes file that cannot be read
// contributes no notes.
std::string DayToolTipText(int Year, int Month, int Day, const THolidayTable& Holidays,
                           const std::string& NotesFile);
