#include "notes/NoteIdentity.h"
#include "notes/NotesDocument.h"
#include "notes/NotesError.h"
#include "notes/NotesReading.h"
#include "notes/ReadingRule.h"
#include "notes/StoredFormConversion.h"
#include "notes/StoredFormSplice.h"
#include "notes/UNotesFile.h"
#include "platform/Files.h"
#include "platform/SaveLock.h"

#include <functional>
#include <optional>

namespace notes {
namespace {

// The root's child elements named Name, in file order.
std::vector<platform::XmlNode> DaysNamed(const platform::XmlNode& Root, std::string_view Name) {
    std::vector<platform::XmlNode> Days;
    for (const platform::XmlNode& Day : Root.Children()) {
        if (Day.NameIs(Name)) {
            Days.push_back(Day);
        }
    }
    return Days;
}

// The notes of these day elements by the reading rule, as every reader sees them.
TNotes NotesOf(const std::vector<platform::XmlNode>& Days) {
    TNotes Notes;
    TNoteGatherer Gatherer([&](TNote&& Note) { Notes.push_back(std::move(Note)); });
    for (const platform::XmlNode& Day : Days) {
        for (const platform::XmlNode& Child : Day.Children()) {
            if (Child.IsElement()) {
                Gatherer.Part(NotePartOf(Child.Name()), Child.Text());
            }
        }
        Gatherer.EndDay();
    }
    return Notes;
}

// Makes Notes the whole content of the first of Days, four elements a note, and removes the
// other day elements of that name: a day that stood in the file twice becomes one, its notes
// in file order, none lost and none repeated.
void Rewrite(std::vector<platform::XmlNode>& Days, const TNotes& Notes) {
    while (Days.size() > 1) {
        Days.back().Remove();
        Days.pop_back();
    }
    platform::XmlNode& Day = Days.front();
    for (platform::XmlNode Child : Day.Children()) {
        Child.Remove();
    }
    for (const TNote& Note : Notes) {
        for (const auto& [Name, Text] : NoteElementsOf(Note)) {
            Day.AppendElement(Name, Text);
        }
    }
}

// The stored note a given one overwrites: the one with its identity, else the one at its
// position with its title unless their identities differ; none when it is a new note.
std::optional<std::size_t> MatchOf(const TNotes& Notes, const TNote& Given, std::size_t Position) {
    if (!Given.Id.empty()) {
        for (std::size_t K = 0; K < Notes.size(); ++K) {
            if (Notes[K].Id == Given.Id) {
                return K;
            }
        }
    }
    if (Position < Notes.size() && Notes[Position].Title == Given.Title &&
        (Given.Id.empty() || Notes[Position].Id.empty())) {
        return Position;
    }
    return std::nullopt;
}

// The day's notes merged with the given ones: a given note overwrites the stored note it
// matches (keeping the stored identity when it has none of its own), any other is appended.
void Merge(TNotes& Notes, const TNotes& Given) {
    for (std::size_t K = 0; K < Given.size(); ++K) {
        if (const std::optional<std::size_t> Match = MatchOf(Notes, Given[K], K)) {
            std::string Id = Notes[*Match].Id;
            Notes[*Match] = Given[K];
            if (Notes[*Match].Id.empty()) {
                Notes[*Match].Id = std::move(Id);
            }
        } else {
            Notes.push_back(Given[K]);
        }
    }
}

void GiveIdentities(TNotes& Notes) {
    for (TNote& Note : Notes) {
        if (Note.Id.empty()) {
            Note.Id = NewNoteId();
        }
    }
}

// Gives every note of the tree that lacks an identity one, after the note's last element.
void GiveIdentities(const platform::XmlNode& Root) {
    for (platform::XmlNode Day : Root.Children()) {
        if (!Day.IsElement()) {
            continue;
        }
        TNoteGatherer Gatherer([](TNote&&) {});
        const auto EndNote = [&](const std::function<void(std::string)>& Write) {
            if (Gatherer.Gathering() && Gatherer.Note().Id.empty()) {
                std::string Id = NewNoteId();
                Write(Id);
                Gatherer.Part(TNotePart::Id, std::move(Id));
            }
        };
        for (platform::XmlNode Child : Day.Children()) {
            if (!Child.IsElement()) {
                continue;
            }
            const TNotePart Part = NotePartOf(Child.Name());
            if (Gatherer.Ends(Part)) {
                EndNote([&](std::string Id) { Child.InsertElementBefore(IdName, Id); });
            }
            Gatherer.Part(Part, Part == TNotePart::Id ? Child.Text() : std::string());
        }
        EndNote([&](std::string Id) { Day.AppendElement(IdName, Id); });
    }
}

// The stored form after the change, with an identity for every note when a note outside the
// changed day lacks one (those of the changed day got theirs in the change).
std::optional<std::string> WithIdentities(std::string&& Spliced, std::string_view Day) {
    if (!AnyNoteLacksId(Spliced, Day)) {
        return std::move(Spliced);
    }
    return ConvertToStoredForm(Spliced, TIdentities::Give);
}

// Reads the file, changes the notes of the day elements named Today (none when Today is
// empty), gives every note lacking an identity one, and saves the file, all under the file's
// save lock. A file in the stored form is spliced, one that can be converted into it is
// converted and spliced, and any other goes through a document tree, which the save brings
// into the stored form. False with the reason in Error when the file cannot be read, parsed
// or saved.
bool ChangeToday(const std::string& FileName, std::string_view Today,
                 const std::function<TDayFate(TNotes&)>& GivenChange, std::string& Error) {
    const std::optional<platform::TFileLock> Lock = platform::LockForSaving(FileName, Error);
    if (!Lock) {
        return false;
    }
    std::string Bytes;
    if (!platform::ReadWholeFile(FileName, Bytes, Error)) {
        return false;
    }
    const auto Change = [&](TNotes& Notes) {
        const TDayFate Fate = GivenChange(Notes);
        GiveIdentities(Notes);
        return Fate;
    };
    const auto Write = [&](std::optional<std::string>&& Spliced) {
        Bytes = std::string();
        std::optional<std::string> Final = WithIdentities(std::move(*Spliced), Today);
        Spliced = std::nullopt;
        if (!Final) {
            Error = "便签文件 " + FileName + " 无法保存：无法为便签加上标识";
            return false;
        }
        return WriteNotesFile(FileName, *Final, Error);
    };
    if (std::optional<std::string> Spliced = SpliceToday(Bytes, Today, Change)) {
        return Write(std::move(Spliced));
    }
    if (std::optional<std::string> Converted = ConvertToStoredForm(Bytes)) {
        if (std::optional<std::string> Spliced = SpliceToday(*Converted, Today, Change)) {
            Converted = std::nullopt;
            return Write(std::move(Spliced));
        }
    }
    platform::XmlDocument Document = ParseNotesDocument(std::move(Bytes), FileName, Error);
    if (!Document) {
        return false;
    }
    platform::XmlNode Root = Document.Root();
    std::vector<platform::XmlNode> Days;
    if (!Today.empty()) {
        Days = DaysNamed(Root, Today);
    }
    TNotes Notes = NotesOf(Days);
    const TDayFate Fate = Change(Notes);
    if (Fate == TDayFate::Keep && Days.empty()) {
        Days.push_back(Root.AppendElement(Today));
    }
    if (!Days.empty()) {
        Rewrite(Days, Notes);
        if (Fate == TDayFate::Remove) {
            Days.front().Remove();
        }
    }
    Notes = TNotes();
    GiveIdentities(Root);
    return SaveNotesDocument(Document, FileName, Error);
}

} // namespace

void WriteSampleNotes(const std::string& FileName) {
    std::string Error;
    const std::optional<platform::TFileLock> Lock = platform::LockForSaving(FileName, Error);
    if (!Lock) {
        throw ENotesError(Error);
    }
    // The callers write the sample when they found no file; another process may have made
    // one since, with notes in it by now.
    if (platform::PathExists(FileName)) {
        return;
    }
    platform::XmlDocument Document = platform::XmlDocument::Create(RootName);
    platform::XmlNode Day = Document.Root().AppendElement(SampleDayName);
    Day.AppendElement(TitleName, "测试");
    Day.AppendElement(WhenName, "2000-01-01");
    Day.AppendElement(RemindName, TReminder(true).Text());
    Day.AppendElement(ContentName, "千禧年");
    Day.AppendElement(IdName, NewNoteId());
    if (!SaveNotesDocument(Document, FileName, Error)) {
        throw ENotesError(Error);
    }
}

void SaveNotesOfDay(const std::string& FileName, TNoteDay Day, const TNotes& Given) {
    std::string Error;
    const auto Change = [&](TNotes& Notes) {
        Merge(Notes, Given);
        return TDayFate::Keep;
    };
    if (!ChangeToday(FileName, DayName(Day), Change, Error)) {
        throw ENotesError(Error);
    }
}

void SaveTodayNotes(const std::string& FileName, const TNotes& Given) {
    SaveNotesOfDay(FileName, Today(), Given);
}

void DeleteNoteOfDay(const std::string& FileName, TNoteDay Day, const TNote& Which) {
    const std::string Name = DayName(Day);
    const auto Change = [&](TNotes& Notes) {
        for (auto Note = Notes.begin(); Note != Notes.end(); ++Note) {
            if (Which.Id.empty() ? Note->Title == Which.Title : Note->Id == Which.Id) {
                Notes.erase(Note);
                break;
            }
        }
        return Notes.empty() ? TDayFate::Remove : TDayFate::Keep;
    };
    std::string Reason;
    // The sample day is never changed by a delete, not even on its own day.
    if (!ChangeToday(FileName, Name == SampleDayName ? std::string() : Name, Change, Reason)) {
        throw ENotesError("无法删除便签：" + Reason);
    }
}

void DeleteNote(const std::string& FileName, const std::string& Title) {
    TNote Which;
    Which.Title = Title;
    DeleteNoteOfDay(FileName, Today(), Which);
}

} // namespace notes
