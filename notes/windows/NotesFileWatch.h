#pragma once

// Tells whether a file may have changed since it was last read, without reading it: every
// save replaces the notes file, so the same identity, size and modification time (to the
// nanosecond) on the same day mean that a new reading would give the same result.

#include "platform/FileStamp.h"

#include <string>

class TNotesFileWatch {
public:
    // True when the file at FileName has the stamp and Today the day of the last Remember.
    bool Unchanged(const std::string& FileName, const std::string& Today);
    // Remembers the stamp read by the last Unchanged call; called after a completed reading.
    void Remember();

private:
    bool FKnown = false;
    std::string FFileName;
    std::string FToday;
    platform::TFileStamp FStamp;
    bool FSeen = false;
    std::string FSeenFileName;
    std::string FSeenToday;
    platform::TFileStamp FSeenStamp;
};
