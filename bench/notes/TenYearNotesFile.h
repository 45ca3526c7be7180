#pragma once

// A notes file of ten years of four notes a day (3,650 days, 14,600 notes) ending with the
// given day, in the stored form, with as many repeating notes more as asked for: one on every
// third day from the first, of each rule in turn, with advances of 0, 60 and 120 minutes.

#include "calendar/UDateTime.h"

#include <string>

std::string TenYearNotesFile(TDateTime LastDay, int RepeatingNotes);

// Writes Bytes as the notes file of a new temporary data folder (removed at exit) and sets the
// clock to Now; the file's name.
std::string PrepareNotesFile(const std::string& Bytes, TDateTime Now);
