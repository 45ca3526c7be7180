#include "notes/DayNoteHeadings.h"

#include "notes/NoteOccurrences.h"

namespace notes {

std::vector<TNoteHeading> DayNoteHeadings(const std::string& NotesFile, int Year, int Month,
                                          int Day) {
    std::vector<TNoteHeading> Headings;
    const TNoteDay Date{std::chrono::year{Year}, std::chrono::month{static_cast<unsigned>(Month)},
                        std::chrono::day{static_cast<unsigned>(Day)}};
    for (TOccurrence& Occurrence : NotesOnDay(NotesFile, Date)) {
        Headings.push_back({std::move(Occurrence.Note.Title), std::move(Occurrence.When)});
    }
    return Headings;
}

} // namespace notes
