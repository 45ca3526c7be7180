#pragma once

// The titles and times of one day's desk notes, read from the notes file now, for the
// descriptions of a day.

#include "calendar/DayDescription.h"

#include <string>
#include <vector>

// None when the notes file cannot be read or does not parse.
std::vector<TNoteHeading> DayNoteHeadings(const std::string& NotesFile, int Year, int Month,
                                          int Day);
