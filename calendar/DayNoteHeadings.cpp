#include "calendar/DayNoteHeadings.h"

#include "notes/NotesReading.h"

std::vector<TNoteHeading> DayNoteHeadings(const std::string& NotesFile, int Year, int Month,
                                          int Day) {
    std::vector<TNoteHeading> Headings;
    const notes::TDaySelection Selection{
        "Date" + FormatDateTime("yyyy-mm-dd", EncodeDate(Year, Month, Day)), false};
    for (const notes::TNote& Note : notes::ReadNotesOf(NotesFile, Selection).Notes) {
        Headings.push_back({Note.Title, Note.When});
    }
    return Headings;
}
