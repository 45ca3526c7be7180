#pragma once

// Writes a notes file of ten years of daily notes (3,650 days of four notes, 14,600 notes)
// and 1,000 repeating notes of every rule (bench/notes/TenYearNotesFile.h) ending with the
// given day, into the data folder as it is set.

#include "calendar/UDateTime.h"

void WriteTenYearNotes(TDateTime LastDay);
