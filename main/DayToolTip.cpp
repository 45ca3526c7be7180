#include "main/DayToolTip.h"

#include "calendar/DayDescription.h"
#include "notes/NotesReading.h"
#include "platform/Files.h"

std::string DayToolTipText(int Year, int Month, int Day, const THolidayTable& Holidays,
                           const std::string& NotesFile) {
    const auto Details = DayDetailsOf(Year, Month, Day, Holidays);
    if (!Details) {
        return {};
    }
    std::vector<TNoteHeading> Notes;
    std::string Bytes;
    std::string Error;
    if (platform::ReadWholeFile(NotesFile, Bytes, Error)) {
        const notes::TDaySelection Selection{
            "Date" + FormatDateTime("yyyy-mm-dd", EncodeDate(Year, Month, Day)), false};
        for (const notes::TNote& Note : notes::ReadNotesFrom(Bytes, Selection).Notes) {
            Notes.push_back({Note.Title, Note.When});
        }
    }
    std::string Text;
    for (const std::string& Line : DayDescription(*Details, Notes)) {
        Text += (Text.empty() ? "" : "\n") + Line;
    }
    return Text;
}
