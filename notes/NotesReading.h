#pragma once

// The reading rule that LoadNotes and ReadTodayNotes share, on bytes
// already in memory or on a file read whole.

#include "notes/UNotesFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace notes {

// Which day elements a reading takes: Today empty takes every one except the sample day;
// otherwise those named Today, the sample day only when SampleToo.
struct TDaySelection {
    std::string Today;
    bool SampleToo = false;
};

TNotesRead ReadNotesFrom(std::string_view Bytes, const TDaySelection& Selection);
// The same, read from the file; a file that cannot be read gives no notes and Ok false.
TNotesRead ReadNotesOf(const std::string& FileName, const TDaySelection& Selection);

// One day of the file: its element name and the notes of every element of that name.
struct TDayNotes {
    std::string Name;
    TNotes Notes;

    friend bool operator==(const TDayNotes&, const TDayNotes&) = default;
};

// Every day of the file in one pass, in the order of their first element, each with the notes
// the reading rule gives it (so a day that stands in the file twice is one day); the sample
// day too. None when the file is not well-formed.
std::optional<std::vector<TDayNotes>> ReadNotesByDay(std::string_view Bytes);

// Whether a note of a day element other than those named ExceptDay lacks an identity.
bool AnyNoteLacksId(std::string_view Bytes, std::string_view ExceptDay);

} // namespace notes
