#include "main/DayToolTip.h"

#include "calendar/CappedLine.h"
#include "notes/DayNoteHeadings.h"

std::string DayToolTipText(int Year, int Month, int Day, const THolidayTable& Holidays,
                           const std::string& NotesFile) {
    const auto Details = DayDetailsOf(Year, Month, Day, Holidays);
    if (!Details) {
        return {};
    }
    std::string Text;
    for (const std::string& Line :
         DayDescription(*Details, notes::DayNoteHeadings(NotesFile, Year, Month, Day))) {
        Text += (Text.empty() ? "" : "\n") + CappedLine(Line, MaxToolTipLineCharacters);
    }
    return Text;
}
