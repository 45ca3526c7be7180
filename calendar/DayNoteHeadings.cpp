#include "calendar/DayNoteHeadings.h"

#include "notes/NotesReading.h"
#include "platform/Files.h"

std::vector<TNoteHeading> DayNoteHeadings(const std::string& NotesFile, int Year, int Month,
                                          int Day) {
    std::vector<TNoteHeading> Headings;
    std::string Bytes;
    std::string Error;
    if (!platform::ReadWholeFile(NotesFile, Bytes, Error)) {
        return Headings;
    }
    const notes::TDaySelection Selection{
        "Date" + FormatDateTime("yyyy-mm-dd", EncodeDate(Year, Month, Day)), false};
    for (const notes::TNote& Note : notes::ReadNotesFrom(Bytes, Selection).Notes) {
        Headings.push_back({Note.Title, Note.When});
    }
    return Headings;
}
