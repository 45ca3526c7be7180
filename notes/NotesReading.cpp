#include "notes/NotesReading.h"

#include "notes/NotesDocument.h"
#include "platform/Files.h"

#include <array>

namespace notes {
namespace {

bool IsSelected(std::string_view Name, const TDaySelection& Selection) {
    if (Selection.Today.empty()) {
        return Name != SampleDayName;
    }
    return Name == Selection.Today && (Selection.SampleToo || Name != SampleDayName);
}

bool IsNoteElement(const platform::XmlNode& Node) {
    const std::string_view Name = Node.Name();
    return Name == TitleName || Name == WhenName || Name == RemindName || Name == ContentName;
}

// Walks the selected day elements' children. The count of children runs on over all of
// them, while the gathered texts start afresh in each day element; at every fourth child
// the texts gathered make a note, handed to Deliver. A note with fewer than Needed texts
// ends the walk with false. DayFound tells whether any day element was selected.
template <typename Deliver>
bool Walk(std::string_view Bytes, const TDaySelection& Selection, std::size_t Needed,
          bool& DayFound, Deliver&& DeliverNote) {
    std::string Error;
    const platform::XmlDocument Document = platform::XmlDocument::Parse(Bytes, Error);
    if (!Document) {
        return false;
    }
    std::size_t Count = 0;
    for (const platform::XmlNode& Day : Document.Root().Children()) {
        if (!Day.IsElement() || !IsSelected(Day.Name(), Selection)) {
            continue;
        }
        DayFound = true;
        std::array<std::string, 4> Texts;
        std::size_t Gathered = 0;
        for (const platform::XmlNode& Child : Day.Children()) {
            if (IsNoteElement(Child)) {
                Texts[Gathered++] = Child.Text();
            }
            if (++Count % 4 == 0) {
                if (Gathered < Needed) {
                    return false;
                }
                DeliverNote(Texts, Gathered);
                Gathered = 0;
            }
        }
    }
    return true;
}

std::string ReadFileOrEmpty(const std::string& FileName, bool& Ok) {
    std::string Bytes;
    std::string Error;
    Ok = platform::ReadWholeFile(FileName, Bytes, Error);
    return Bytes;
}

} // namespace

TNotesRead ReadNotesFrom(std::string_view Bytes, const TDaySelection& Selection) {
    TNotesRead Result;
    Result.Ok = Walk(Bytes, Selection, 4, Result.DayFound,
                     [&](std::array<std::string, 4>& Texts, std::size_t) {
                         Result.Notes.push_back({std::move(Texts[0]), std::move(Texts[1]),
                                                 std::move(Texts[2]), std::move(Texts[3])});
                     });
    return Result;
}

TAlarmsRead ReadAlarmsFrom(std::string_view Bytes, const std::string& Today) {
    TAlarmsRead Result;
    std::size_t Note = 0;
    bool DayFound = false;
    Result.Ok = Walk(Bytes, {Today, true}, 3, DayFound,
                     [&](std::array<std::string, 4>& Texts, std::size_t) {
                         if (Note < Result.Slots.size() && Texts[2] == "是") {
                             Result.Slots[Note] = {std::move(Texts[0]), std::move(Texts[1])};
                         }
                         ++Note;
                     });
    return Result;
}

TNotesRead LoadNotes(const std::string& FileName, bool OnlyToday) {
    TDaySelection Selection;
    if (OnlyToday) {
        Selection.Today = TodayDayName();
    }
    bool Ok = false;
    const std::string Bytes = ReadFileOrEmpty(FileName, Ok);
    return Ok ? ReadNotesFrom(Bytes, Selection) : TNotesRead{};
}

TNotesRead ReadTodayNotes(const std::string& FileName) {
    const TDaySelection Selection{TodayDayName(), true};
    bool Ok = false;
    const std::string Bytes = ReadFileOrEmpty(FileName, Ok);
    return Ok ? ReadNotesFrom(Bytes, Selection) : TNotesRead{};
}

TAlarmsRead ReadTodayAlarms(const std::string& FileName) {
    const std::string Today = TodayDayName();
    bool Ok = false;
    const std::string Bytes = ReadFileOrEmpty(FileName, Ok);
    return Ok ? ReadAlarmsFrom(Bytes, Today) : TAlarmsRead{};
}

} // namespace notes
