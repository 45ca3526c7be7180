#include "notes/NotesReading.h"

#include "notes/NotesDocument.h"
#include "notes/ReadingRule.h"
#include "platform/Files.h"
#include "platform/Xml.h"

#include <exception>
#include <optional>

namespace notes {
namespace {

bool IsSelected(std::string_view Name, const TDaySelection& Selection) {
    if (Selection.Today.empty()) {
        return Name != SampleDayName;
    }
    return Name == Selection.Today && (Selection.SampleToo || Name != SampleDayName);
}

// The reading rule (notes/ReadingRule.h), applied while the file is parsed, without building
// a tree. A note element's text is all the character data inside it.
class TReadingEvents : public platform::XmlEventHandler {
public:
    TReadingEvents(const TDaySelection& Selection, TNoteGatherer::TDeliver Deliver)
        : FSelection(Selection), FGatherer(std::move(Deliver)) {}

    bool DayFound() const { return FDayFound; }

    bool WantsText() const override { return FPart != TNotePart::None; }

    void StartElement(int Depth, std::string_view Name) override {
        if (Depth == 1) {
            FInDay = IsSelected(Name, FSelection);
            FDayFound = FDayFound || FInDay;
        } else if (Depth == 2 && FInDay) {
            FPart = NotePartOf(Name);
            FText.clear();
        }
    }

    void EndElement(int Depth) override {
        if (!FInDay) {
            return;
        }
        if (Depth == 1) {
            FGatherer.EndDay();
            FInDay = false;
        } else if (Depth == 2) {
            FGatherer.Part(FPart, std::move(FText));
            FText = std::string();
            FPart = TNotePart::None;
        }
    }

    void Characters(int Depth, std::string_view Text) override { Data(Depth, Text); }
    void TakeCharacters(int Depth, std::string&& Text) override {
        // A long note's text comes whole from the fast reader: kept, not copied.
        if (Depth > 2 && FPart != TNotePart::None && FText.empty()) {
            FText = std::move(Text);
        } else {
            Data(Depth, Text);
        }
    }
    void CData(int Depth, std::string_view Text) override { Data(Depth, Text); }
    void Other(int) override {}

private:
    void Data(int Depth, std::string_view Text) {
        if (Depth > 2 && FPart != TNotePart::None) {
            FText += Text;
        }
    }

    const TDaySelection& FSelection;
    TNoteGatherer FGatherer;
    bool FDayFound = false;
    bool FInDay = false;
    TNotePart FPart = TNotePart::None;
    std::string FText;
};

struct TWalk {
    bool Parsed = false;   // the file is well-formed; else nothing read counts
    bool DayFound = false; // a day element was selected
};

// Reads Bytes by the rule. Running out of memory, or any other exception, is a failed read:
// the readers are called from timers and event handlers, which an exception must not leave.
TWalk Walk(std::string_view Bytes, const TDaySelection& Selection,
           TNoteGatherer::TDeliver Deliver) {
    TWalk Result;
    try {
        TReadingEvents Events(Selection, std::move(Deliver));
        std::string Error;
        Result.Parsed = platform::ReadXmlEvents(Bytes, Events, Error);
        Result.DayFound = Result.Parsed && Events.DayFound();
    } catch (const std::exception&) {
        Result = TWalk{};
    }
    return Result;
}

// The file's bytes; none when it cannot be read (for lack of memory too).
std::optional<std::string> ReadBytes(const std::string& FileName) {
    try {
        std::string Bytes;
        std::string Error;
        if (platform::ReadWholeFile(FileName, Bytes, Error)) {
            return Bytes;
        }
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

} // namespace

TNotesRead ReadNotesFrom(std::string_view Bytes, const TDaySelection& Selection) {
    // The notes are handed out only once the whole file has parsed, as if it had been read
    // whole before the walk.
    TNotes Notes;
    const TWalk Walked =
        Walk(Bytes, Selection, [&](TNote&& Note) { Notes.push_back(std::move(Note)); });
    TNotesRead Result;
    Result.Ok = Walked.Parsed;
    Result.DayFound = Walked.DayFound;
    if (Walked.Parsed) {
        Result.Notes = std::move(Notes);
    }
    return Result;
}

TAlarmsRead ReadAlarmsFrom(std::string_view Bytes, const std::string& Today) {
    TNoteAlarms Slots;
    std::size_t Note = 0;
    const TWalk Walked = Walk(Bytes, {Today, true}, [&](TNote&& Read) {
        if (Note < Slots.size() && Read.Remind == "是") {
            Slots[Note] = {std::move(Read.Title), std::move(Read.When)};
        }
        ++Note;
    });
    TAlarmsRead Result;
    Result.Ok = Walked.Parsed;
    if (Walked.Parsed) {
        Result.Slots = std::move(Slots);
    }
    return Result;
}

TNotesRead LoadNotes(const std::string& FileName, bool OnlyToday) {
    TDaySelection Selection;
    if (OnlyToday) {
        Selection.Today = TodayDayName();
    }
    const std::optional<std::string> Bytes = ReadBytes(FileName);
    return Bytes ? ReadNotesFrom(*Bytes, Selection) : TNotesRead{};
}

TNotesRead ReadTodayNotes(const std::string& FileName) {
    const TDaySelection Selection{TodayDayName(), true};
    const std::optional<std::string> Bytes = ReadBytes(FileName);
    return Bytes ? ReadNotesFrom(*Bytes, Selection) : TNotesRead{};
}

TAlarmsRead ReadTodayAlarms(const std::string& FileName) {
    const std::string Today = TodayDayName();
    const std::optional<std::string> Bytes = ReadBytes(FileName);
    return Bytes ? ReadAlarmsFrom(*Bytes, Today) : TAlarmsRead{};
}

} // namespace notes
