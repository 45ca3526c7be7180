#pragma once

// The one reading rule that turns the children of day elements into notes, shared by every
// reader (alarm, popup, editor, history) and by the merge and delete that write the file:
//
// - Only child elements of a day element count. Comments, processing instructions and text
//   standing between the elements carry no meaning.
// - "标题" begins a note. "日期", "提醒" and "内容" give the time, reminder and content of
//   the note being gathered; when there is none yet, or it already has that part, they begin
//   a new note (with an empty title).
// - "重复", "提前" and "标识" give the repeat, advance and identity of the note being gathered,
//   unless it already has a text for that part that is not empty; they never begin or end a
//   note, so a reading that passes them over (as before notes had them) finds the same notes.
// - Children of any other name are passed over.
// - A note ends where the next one begins or where its day element ends; the parts it lacks
//   are empty texts. A broken day therefore never hides a note of its own or of a later day.

#include "notes/UNotesFile.h"

#include <bitset>
#include <functional>
#include <string>
#include <string_view>

namespace notes {

// Which part of a note an element of this name holds; none for other names.
enum class TNotePart { Title, When, Remind, Content, Repeat, Advance, Id, None };
TNotePart NotePartOf(std::string_view ElementName);

class TNoteGatherer {
public:
    using TDeliver = std::function<void(TNote&&)>;
    explicit TNoteGatherer(TDeliver Deliver) : FDeliver(std::move(Deliver)) {}

    // One child element of a day element, with its text.
    void Part(TNotePart Part, std::string&& Text);
    // The day element ends: the note being gathered is delivered.
    void EndDay();

    // Whether a note is being gathered, and that note so far.
    bool Gathering() const { return FHas.any(); }
    const TNote& Note() const { return FNote; }
    // Whether an element of this part, coming now, would end the note being gathered.
    bool Ends(TNotePart Part) const;

private:
    void Deliver();
    void SetExtra(TNotePart Part, std::string&& Text);
    static TNote EmptyNote();

    TDeliver FDeliver;
    TNote FNote = EmptyNote();
    // The parts the note has (of the last three, only those with a text that is not empty).
    std::bitset<7> FHas;
};

} // namespace notes
