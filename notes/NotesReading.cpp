#include "notes/NotesReading.h"

#include "notes/NotesDocument.h"
#include "notes/ReadingRule.h"
#include "platform/Files.h"
#include "platform/Xml.h"

#include <exception>
#include <functional>
#include <optional>
#include <unordered_map>

namespace notes {
namespace {

bool IsSelected(std::string_view Name, const TDaySelection& Selection) {
    if (Selection.Today.empty()) {
        return Name != SampleDayName;
    }
    return Name == Selection.Today && (Selection.SampleToo || Name != SampleDayName);
}

// Told the name of each day element as it begins; true when its notes are to be read.
using TTakeDay = std::function<bool(std::string_view Name)>;

// The reading rule (notes/ReadingRule.h), applied while the file is parsed, without building
// a tree. A note element's text is all the character data inside it.
class TReadingEvents : public platform::XmlEventHandler {
public:
    TReadingEvents(TTakeDay TakeDay, TNoteGatherer::TDeliver Deliver)
        : FTakeDay(std::move(TakeDay)), FGatherer(std::move(Deliver)) {}

    bool DayFound() const { return FDayFound; }

    bool WantsText() const override { return FPart != TNotePart::None; }

    void StartElement(int Depth, std::string_view Name) override {
        if (Depth == 1) {
            FInDay = FTakeDay(Name);
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

    TTakeDay FTakeDay;
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
TWalk Walk(std::string_view Bytes, TTakeDay TakeDay, TNoteGatherer::TDeliver Deliver) {
    TWalk Result;
    try {
        TReadingEvents Events(std::move(TakeDay), std::move(Deliver));
        std::string Error;
        Result.Parsed = platform::ReadXmlEvents(Bytes, Events, Error);
        Result.DayFound = Result.Parsed && Events.DayFound();
    } catch (const std::exception&) {
        Result = TWalk{};
    }
    return Result;
}

TWalk Walk(std::string_view Bytes, const TDaySelection& Selection,
           TNoteGatherer::TDeliver Deliver) {
    return Walk(
        Bytes, [&](std::string_view Name) { return IsSelected(Name, Selection); },
        std::move(Deliver));
}

// Looks names up without copying them.
struct TNameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view Name) const {
        return std::hash<std::string_view>{}(Name);
    }
};

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

std::optional<std::vector<TDayNotes>> ReadNotesByDay(std::string_view Bytes) {
    std::vector<TDayNotes> Days;
    std::unordered_map<std::string, std::size_t, TNameHash, std::equal_to<>> Index;
    std::size_t Current = 0;
    const auto TakeDay = [&](std::string_view Name) {
        if (const auto Found = Index.find(Name); Found != Index.end()) {
            Current = Found->second;
        } else {
            Current = Days.size();
            Days.push_back({std::string(Name), {}});
            Index.emplace(Name, Current);
        }
        return true;
    };
    const TWalk Walked =
        Walk(Bytes, TakeDay, [&](TNote&& Note) { Days[Current].Notes.push_back(std::move(Note)); });
    if (!Walked.Parsed) {
        return std::nullopt;
    }
    return Days;
}

bool AnyNoteLacksId(std::string_view Bytes, std::string_view ExceptDay) {
    bool Lacks = false;
    Walk(
        Bytes, [&](std::string_view Name) { return Name != ExceptDay; },
        [&](TNote&& Note) { Lacks = Lacks || Note.Id.empty(); });
    return Lacks;
}

TNotesRead ReadNotesOf(const std::string& FileName, const TDaySelection& Selection) {
    const std::optional<std::string> Bytes = ReadBytes(FileName);
    return Bytes ? ReadNotesFrom(*Bytes, Selection) : TNotesRead{};
}

TNotesRead LoadNotes(const std::string& FileName, bool OnlyToday) {
    TDaySelection Selection;
    if (OnlyToday) {
        Selection.Today = TodayDayName();
    }
    return ReadNotesOf(FileName, Selection);
}

TNotesRead ReadTodayNotes(const std::string& FileName) {
    return ReadNotesOf(FileName, {TodayDayName(), true});
}

} // namespace notes
