#include "notes/windows/NotesHistory.h"

#include "notes/NotesReading.h"
#include "platform/Files.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

// "yyyy-mm-dd" of a day element's name, or the name itself when it names no date.
std::string DayOfElement(const std::string& Name) {
    const std::optional<notes::TNoteDay> Day = notes::DayOfName(Name);
    return Day ? notes::DayName(*Day).substr(std::string_view("Date").size()) : Name;
}

} // namespace

std::vector<THistoryRow> HistoryRows(const std::string& FileName) {
    std::string Bytes;
    std::string Error;
    if (!platform::ReadWholeFile(FileName, Bytes, Error)) {
        return {};
    }
    const std::optional<std::vector<notes::TDayNotes>> Days = notes::ReadNotesByDay(Bytes);
    if (!Days) {
        return {};
    }
    std::vector<THistoryRow> Rows;
    for (const notes::TDayNotes& Day : *Days) {
        if (Day.Name == notes::SampleDayName) {
            continue;
        }
        for (const notes::TNote& Note : Day.Notes) {
            Rows.push_back({DayOfElement(Day.Name), Note});
        }
    }
    // A stored time begins with its day's date, so within a day the texts sort by time.
    std::stable_sort(Rows.begin(), Rows.end(), [](const THistoryRow& A, const THistoryRow& B) {
        return A.Day != B.Day ? A.Day < B.Day : A.Note.When < B.Note.When;
    });
    return Rows;
}

bool PassesFilter(const notes::TNote& Note, const QString& Filter) {
    const QString Wanted = Filter.trimmed();
    return Wanted.isEmpty() ||
           QString::fromStdString(Note.Title).contains(Wanted, Qt::CaseInsensitive) ||
           QString::fromStdString(Note.Content).contains(Wanted, Qt::CaseInsensitive);
}
