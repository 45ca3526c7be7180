#pragma once

// The reading rule that LoadNotes, ReadTodayNotes and ReadTodayAlarms share, on bytes
// already in memory.

#include "notes/UNotesFile.h"

#include <string>
#include <string_view>

namespace notes {

// Which day elements a reading takes: Today empty takes every one except the sample day;
// otherwise those named Today, the sample day only when SampleToo.
struct TDaySelection {
    std::string Today;
    bool SampleToo = false;
};

TNotesRead ReadNotesFrom(std::string_view Bytes, const TDaySelection& Selection);
TAlarmsRead ReadAlarmsFrom(std::string_view Bytes, const std::string& Today);

} // namespace notes
