#pragma once

// The note windows' first step: when the notes file is missing, it is written with the
// sample note. A failed write goes to the general error report.

#include <string>

// True when the file exists afterwards.
bool EnsureNotesFile(const std::string& FileName);
