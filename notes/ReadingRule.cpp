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
    return TNotePart::None;
}

void TNoteGatherer::Part(TNotePart Part, std::string&& Text) {
    if (Part == TNotePart::None) {
        return;
    }
    const auto Index = static_cast<std::size_t>(Part);
    if (FHas.any() && (Part == TNotePart::Title || FHas.test(Index))) {
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
    case TNotePart::Content:
    case TNotePart::None:
        FNote.Content = std::move(Text);
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
