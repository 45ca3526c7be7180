#pragma once

// The titles and times of one day's desk notes, read from the notes file now, for the
// descriptions of a day.

#include "calendar/DayDescription.h"

#include <string>
#include <vector>

// None when the notes file cannot be read; the notes before a fault when it is damaged.
std::vector<TNoteHeading> DayNoteHeadings(const std::string& NotesFile, int Year, int Month,
                                          int Day);
