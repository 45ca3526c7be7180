#pragma once

// The lines of `ruxa-cal --notes FROM TO`: every note that falls on a day from From to To
// (notes/NoteOccurrences.h), one a line, "yyyy-mm-dd hh:nn<TAB>title" for a note with a time
// and "yyyy-mm-dd<TAB>title" for one without; by day, on a day the notes without a time
// first and then by time, notes alike in this in the order the day lists them. A control
// character in a title is shown as "?", so a title can neither break the line nor drive the
// terminal.

#include "notes/NoteOccurrences.h"
#include "terminal/CalArguments.h"

#include <string>

std::string NotesList(const notes::TNotesIndex& Index, const TCalDate& From, const TCalDate& To);
