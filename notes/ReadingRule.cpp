#include "notes/ReadingRule.h"

#include "notes/NotesDocument.h"

namespace notes {

TNotePart NotePartOf(std::string_view ElementName) {
    if (ElementName == TitleName) {
        return TNotePart::Title;
    }
    if (ElementName == WhenName) {
        return TNotePart::When;
    }
    if (ElementName == RemindName) {
        return TNotePart::Remind;
    }
    if (ElementName == ContentName) {
        return TNotePart::Content;
    }
    if (ElementName == RepeatName) {
        return TNotePart::Repeat;
    }
    if (ElementName == AdvanceName) {
        return TNotePart::Advance;
    }
    if (ElementName == IdName) {
        return TNotePart::Id;
    }
    return TNotePart::None;
}

namespace {

bool IsCorePart(TNotePart Part) {
    return Part == TNotePart::Title || Part == TNotePart::When || Part == TNotePart::Remind ||
           Part == TNotePart::Content;
}

} // namespace

bool TNoteGatherer::Ends(TNotePart Part) const {
    return IsCorePart(Part) && Gathering() &&
           (Part == TNotePart::Title || FHas.test(static_cast<std::size_t>(Part)));
}

void TNoteGatherer::Part(TNotePart Part, std::string&& Text) {
    if (Part == TNotePart::None) {
        return;
    }
    const auto Index = static_cast<std::size_t>(Part);
    if (!IsCorePart(Part)) {
        if (FHas.any() && !Text.empty() && !FHas.test(Index)) {
            FHas.set(Index);
            SetExtra(Part, std::move(Text));
        }
        return;
    }
    if (Ends(Part)) {
        Deliver();
    }
    FHas.set(Index);
    switch (Part) {
    case TNotePart::Title:
        FNote.Title = std::move(Text);
        break;
    case TNotePart::When:
        FNote.When = std::move(Text);
        break;
    case TNotePart::Remind:
        FNote.Remind = TReminder::FromText(std::move(Text));
        break;
    default:
        FNote.Content = std::move(Text);
        break;
    }
}

void TNoteGatherer::SetExtra(TNotePart Part, std::string&& Text) {
    switch (Part) {
    case TNotePart::Repeat:
        FNote.Repeat = TRepeat::FromText(std::move(Text));
        break;
    case TNotePart::Advance:
        FNote.Advance = TAdvance::FromText(std::move(Text));
        break;
    default:
        FNote.Id = std::move(Text);
        break;
    }
}

void TNoteGatherer::EndDay() {
    if (FHas.any()) {
        Deliver();
    }
}

void TNoteGatherer::Deliver() {
    FDeliver(std::move(FNote));
    FNote = EmptyNote();
    FHas.reset();
}

TNote TNoteGatherer::EmptyNote() {
    // A part the file lacks reads as an empty text, the reminder too.
    TNote Note;
    Note.Remind = TReminder::FromText({});
    return Note;
}

} // namespace notes
