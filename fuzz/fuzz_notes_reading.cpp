// The notes file's reading rule on any bytes. Seven properties:
// - the reading that runs on parser events, or on the fast reader of saved files, gives what
//   a walk over the parsed tree gives;
// - every day read in one pass reads as the tree reading of that day alone;
// - a file converted into the stored form without a tree is what the tree would write;
// - a file in the stored form spliced with a new note of today reads with it;
// - a sound file can be saved unless a part of it is reported as unwritable, and saved
//   again it reads back with the same notes;
// - the index of occurrences reads what the reading rule reads;
// - nothing crashes, leaks or runs away.

#include "notes/NoteOccurrences.h"
#include "notes/NotesDocument.h"
#include "notes/NotesReading.h"
#include "notes/StoredFormConversion.h"
#include "notes/StoredFormSplice.h"
#include "platform/Xml.h"
#include "platform/XmlSavedForm.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace notes;

bool Selected(std::string_view Name, const TDaySelection& Selection) {
    if (Selection.Today.empty()) {
        return Name != SampleDayName;
    }
    return Name == Selection.Today && (Selection.SampleToo || Name != SampleDayName);
}

// The reading rule as plainly as it can be said, over the tree.
TNotesRead TreeReading(const platform::XmlDocument& Document, const TDaySelection& Selection) {
    TNotesRead Result;
    const std::array<std::string_view, 4> Names = {TitleName, WhenName, RemindName, ContentName};
    for (const platform::XmlNode& Day : Document.Root().Children()) {
        if (!Day.IsElement() || !Selected(Day.Name(), Selection)) {
            continue;
        }
        Result.DayFound = true;
        std::array<std::string, 4> Parts;
        std::array<bool, 4> Has = {};
        // Repeat, advance and identity: the first text that is not empty, inside a note.
        std::array<std::string, 3> Extras;
        const std::array<std::string_view, 3> ExtraNames = {RepeatName, AdvanceName, IdName};
        const auto Deliver = [&] {
            if (Has[0] || Has[1] || Has[2] || Has[3]) {
                Result.Notes.push_back({Parts[0], Parts[1], TReminder::FromText(Parts[2]), Parts[3],
                                        TRepeat::FromText(Extras[0]), TAdvance::FromText(Extras[1]),
                                        Extras[2]});
            }
            Parts = {};
            Has = {};
            Extras = {};
        };
        for (const platform::XmlNode& Child : Day.Children()) {
            for (std::size_t Extra = 0; Extra < ExtraNames.size(); ++Extra) {
                if (Child.NameIs(ExtraNames[Extra]) && (Has[0] || Has[1] || Has[2] || Has[3]) &&
                    Extras[Extra].empty()) {
                    Extras[Extra] = Child.Text();
                }
            }
            for (std::size_t Part = 0; Part < Names.size(); ++Part) {
                if (!Child.NameIs(Names[Part])) {
                    continue;
                }
                if (Part == 0 || Has[Part]) {
                    Deliver();
                }
                Parts[Part] = Child.Text();
                Has[Part] = true;
            }
        }
        Deliver();
    }
    Result.Ok = true;
    return Result;
}

void Check(bool Condition) {
    if (!Condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);
    const std::array<TDaySelection, 3> Selections = {TDaySelection{},
                                                     TDaySelection{"Date2024-05-01", false},
                                                     TDaySelection{SampleDayName, true}};

    std::string Error;
    platform::XmlDocument Document = platform::XmlDocument::Parse(Bytes, Error);
    Check(!platform::IsSavedForm(Bytes) || Document);
    for (const TDaySelection& Selection : Selections) {
        const TNotesRead Events = ReadNotesFrom(Bytes, Selection);
        if (!Document) {
            Check(!Events.Ok && !Events.DayFound && Events.Notes.empty());
            continue;
        }
        const TNotesRead Tree = TreeReading(Document, Selection);
        Check(Events.Ok == Tree.Ok && Events.DayFound == Tree.DayFound &&
              Events.Notes == Tree.Notes);
    }
    const std::optional<std::vector<TDayNotes>> Days = ReadNotesByDay(Bytes);
    Check(Days.has_value() == static_cast<bool>(Document));
    for (const TDayNotes& Day : Days.value_or(std::vector<TDayNotes>{})) {
        Check(Day.Notes == TreeReading(Document, {Day.Name, true}).Notes);
    }
    // A stored-form file spliced with one more note of today holds today's notes and it.
    TNotes Changed;
    const std::optional<std::string> Spliced =
        SpliceToday(Bytes, "Date2024-05-01", [&](TNotes& Notes) {
            Notes.push_back({"t", "w", true, "c"});
            Changed = Notes;
            return TDayFate::Keep;
        });
    Check(!Spliced || ReadNotesFrom(*Spliced, Selections[1]).Notes == Changed);

    TNotesIndex Index;
    const TNoteDay Today{std::chrono::year{2024}, std::chrono::month{5}, std::chrono::day{1}};
    Check(Index.Build(Bytes) == static_cast<bool>(Document));
    Check(Document || (!Index.Ok() && Index.On(Today).empty() && Index.AlarmsOn(Today).empty()));
    if (!Document) {
        return 0;
    }

    // A file converted into the stored form without a tree is what the tree would write.
    const std::optional<std::string> Converted = ConvertToStoredForm(Bytes);

    // What reads can be saved, unless a part of it is reported as unwritable; saved again
    // (without the crash-safe file write), the notes read the same.
    std::string Saved;
    const TNotesRead Before = ReadNotesFrom(Bytes, Selections[0]);
    const bool Unwritable = UnwritablePart(Document, "Notes.xml").has_value();
    const bool Written = NotesFileBytes(Document, Saved, Error);
    Check(Written || Unwritable);
    Check(!Converted || (Written && *Converted == Saved));
    if (Written) {
        const TNotesRead After = ReadNotesFrom(Saved, Selections[0]);
        Check(After.Ok == Before.Ok && After.Notes == Before.Notes);
    }
    return 0;
}
