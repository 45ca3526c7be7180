#pragma once

// The titles and times of the notes that fall on one day (notes/NoteOccurrences.h), read
// from the notes file as it is now, for the descriptions of a day.

#include "calendar/DayDescription.h"

#include <string>
#include <vector>

namespace notes {

// None when the notes file cannot be read or does not parse.
std::vector<TNoteHeading> DayNoteHeadings(const std::string& NotesFile, int Year, int Month,
                                          int Day);

} // namespace notes
