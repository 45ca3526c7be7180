// The notes file's reading rule on any bytes. Three properties:
// - the reading that runs on parser events, or on the fast reader of saved files, gives what
//   a walk over the parsed tree gives;
// - a sound file that is saved again reads back with the same notes;
// - nothing crashes, leaks or runs away.

#include "notes/NotesDocument.h"
#include "notes/NotesReading.h"
#include "platform/Xml.h"
#include "platform/XmlSavedForm.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

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
    std::size_t Count = 0;
    for (const platform::XmlNode& Day : Document.Root().Children()) {
        if (!Day.IsElement() || !Selected(Day.Name(), Selection)) {
            continue;
        }
        Result.DayFound = true;
        std::vector<std::string> Texts;
        for (const platform::XmlNode& Child : Day.Children()) {
            const std::string_view Name = Child.Name();
            if (Name == TitleName || Name == WhenName || Name == RemindName ||
                Name == ContentName) {
                Texts.push_back(Child.Text());
            }
            if (++Count % 4 == 0) {
                if (Texts.size() < 4) {
                    return Result;
                }
                Result.Notes.push_back({Texts[0], Texts[1], Texts[2], Texts[3]});
                Texts.clear();
            }
        }
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
    const TAlarmsRead Alarms = ReadAlarmsFrom(Bytes, "Date2024-05-01");
    Check(Document || (!Alarms.Ok && Alarms.Slots == TNoteAlarms{}));
    if (!Document) {
        return 0;
    }

    // Saved again (without the crash-safe file write), the notes read the same.
    std::string Saved;
    const TNotesRead Before = ReadNotesFrom(Bytes, Selections[0]);
    if (NotesFileBytes(Document, Saved, Error)) {
        const TNotesRead After = ReadNotesFrom(Saved, Selections[0]);
        Check(After.Ok == Before.Ok && After.Notes == Before.Notes);
    }
    return 0;
}
