#include "notes/NotesReading.h"

#include "notes/NotesDocument.h"
#include "platform/Files.h"
#include "platform/Xml.h"

#include <array>
#include <optional>

namespace notes {
namespace {

bool IsSelected(std::string_view Name, const TDaySelection& Selection) {
    if (Selection.Today.empty()) {
        return Name != SampleDayName;
    }
    return Name == Selection.Today && (Selection.SampleToo || Name != SampleDayName);
}

bool IsNoteName(std::string_view Name) {
    return Name == TitleName || Name == WhenName || Name == RemindName || Name == ContentName;
}

bool IsBlank(std::string_view Text) {
    return Text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// The reading rule, applied while the file is parsed, without building a tree. The children
// of each selected day element are counted, and the count runs on over all of them, while
// the gathered texts start afresh in each day element; at every fourth child the texts
// gathered make a note, handed to Deliver. A note with fewer than Needed texts ends the
// reading there. A child is an element, a comment or instruction, or a text that is not
// only white space; a note element's text is all the character data inside it.
template <typename Deliver> class TReadingRule : public platform::XmlEventHandler {
public:
    TReadingRule(const TDaySelection& Selection, std::size_t Needed, Deliver DeliverNote)
        : FSelection(Selection), FNeeded(Needed), FDeliver(std::move(DeliverNote)) {}

    bool Failed() const { return FFailed; }

    bool WantsText() const override { return FInDay && !FFailed; }
    bool DayFound() const { return FDayFound; }

    void StartElement(int Depth, std::string_view Name) override {
        if (FFailed) {
            return;
        }
        if (Depth == 1) {
            FInDay = IsSelected(Name, FSelection);
            FDayFound = FDayFound || FInDay;
            FGathered = 0;
        } else if (Depth == 2 && FInDay) {
            EndRun();
            FCapturing = IsNoteName(Name);
            FCapture.clear();
        }
    }

    void EndElement(int Depth) override {
        if (FFailed || !FInDay) {
            return;
        }
        if (Depth == 1) {
            EndRun();
            FInDay = false;
        } else if (Depth == 2) {
            if (FCapturing) {
                FTexts[FGathered++] = std::move(FCapture);
                FCapturing = false;
            }
            Count();
        }
    }

    void Characters(int Depth, std::string_view Text) override {
        Data(Depth, Text, TRun::Text, !IsBlank(Text));
    }

    void CData(int Depth, std::string_view Text) override { Data(Depth, Text, TRun::CData, true); }

    void Other(int Depth) override {
        if (!FFailed && FInDay && Depth == 2) {
            EndRun();
            Count();
        }
    }

private:
    enum class TRun { None, Text, CData };

    // Character data of one Kind: among a day element's children it continues or starts a
    // run, which counts as a child once any of its pieces Counts; inside a note element it
    // is part of the note's text.
    void Data(int Depth, std::string_view Text, TRun Kind, bool Counts) {
        if (FFailed || !FInDay) {
            return;
        }
        if (Depth == 2) {
            if (FRun != Kind) {
                EndRun();
                FRun = Kind;
            }
            FRunCounts = FRunCounts || Counts;
        } else if (Depth > 2 && FCapturing) {
            FCapture += Text;
        }
    }

    // Ends a run of character data among a day element's children: one child, unless it
    // was only white space between elements.
    void EndRun() {
        if (FRun != TRun::None && FRunCounts) {
            Count();
        }
        FRun = TRun::None;
        FRunCounts = false;
    }

    void Count() {
        if (FFailed || ++FCount % 4 != 0) {
            return;
        }
        if (FGathered < FNeeded) {
            FFailed = true;
            return;
        }
        FDeliver(FTexts);
        FGathered = 0;
    }

    const TDaySelection& FSelection;
    const std::size_t FNeeded;
    Deliver FDeliver;
    bool FFailed = false;
    bool FDayFound = false;
    bool FInDay = false;
    std::size_t FCount = 0;
    std::array<std::string, 4> FTexts;
    std::size_t FGathered = 0;
    bool FCapturing = false;
    std::string FCapture;
    TRun FRun = TRun::None;
    bool FRunCounts = false;
};

struct TWalk {
    bool Parsed = false;   // the file is well-formed; else nothing read counts
    bool Ok = false;       // parsed, and no note lacked a text
    bool DayFound = false; // a day element was selected
};

template <typename Deliver>
TWalk Walk(std::string_view Bytes, const TDaySelection& Selection, std::size_t Needed,
           Deliver DeliverNote) {
    TReadingRule<Deliver> Rule(Selection, Needed, std::move(DeliverNote));
    std::string Error;
    TWalk Result;
    Result.Parsed = platform::ReadXmlEvents(Bytes, Rule, Error);
    Result.Ok = Result.Parsed && !Rule.Failed();
    Result.DayFound = Result.Parsed && Rule.DayFound();
    return Result;
}

// The file's bytes; none when it cannot be read.
std::optional<std::string> ReadBytes(const std::string& FileName) {
    std::string Bytes;
    std::string Error;
    if (!platform::ReadWholeFile(FileName, Bytes, Error)) {
        return std::nullopt;
    }
    return Bytes;
}

} // namespace

TNotesRead ReadNotesFrom(std::string_view Bytes, const TDaySelection& Selection) {
    // The notes are handed out only once the whole file has parsed, as if it had been read
    // whole before the walk.
    TNotes Notes;
    const TWalk Walked = Walk(Bytes, Selection, 4, [&](std::array<std::string, 4>& Texts) {
        Notes.push_back(
            {std::move(Texts[0]), std::move(Texts[1]), std::move(Texts[2]), std::move(Texts[3])});
    });
    TNotesRead Result;
    Result.Ok = Walked.Ok;
    Result.DayFound = Walked.DayFound;
    if (Walked.Parsed) {
        Result.Notes = std::move(Notes);
    }
    return Result;
}

TAlarmsRead ReadAlarmsFrom(std::string_view Bytes, const std::string& Today) {
    TNoteAlarms Slots;
    std::size_t Note = 0;
    const TWalk Walked = Walk(Bytes, {Today, true}, 3, [&](std::array<std::string, 4>& Texts) {
        if (Note < Slots.size() && Texts[2] == "是") {
            Slots[Note] = {std::move(Texts[0]), std::move(Texts[1])};
        }
        ++Note;
    });
    TAlarmsRead Result;
    Result.Ok = Walked.Ok;
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
