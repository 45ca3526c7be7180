#include "notes/windows/NotesFileWatch.h"

bool TNotesFileWatch::Unchanged(const std::string& FileName, const std::string& Today) {
    FSeen = platform::ReadFileStamp(FileName, FSeenStamp);
    FSeenFileName = FileName;
    FSeenToday = Today;
    return FSeen && FKnown && FSeenStamp == FStamp && FSeenToday == FToday &&
           FSeenFileName == FFileName;
}

void TNotesFileWatch::Remember() {
    FKnown = FSeen;
    FFileName = FSeenFileName;
    FToday = FSeenToday;
    FStamp = FSeenStamp;
}
