#include "notes/NotesDocument.h"
#include "notes/NotesError.h"
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
        Day.AppendElement(TitleName, Note.Title);
        Day.AppendElement(WhenName, Note.When);
        Day.AppendElement(RemindName, Note.Remind.Text());
        Day.AppendElement(ContentName, Note.Content);
    }
}

// Today's notes merged with the given ones: a given note whose title equals that of the
// stored note at the same position overwrites its other texts, any other is appended.
void Merge(TNotes& Notes, const TNotes& Given) {
    for (std::size_t K = 0; K < Given.size(); ++K) {
        if (K < Notes.size() && Notes[K].Title == Given[K].Title) {
            Notes[K] = Given[K];
        } else {
            Notes.push_back(Given[K]);
        }
    }
}

// Reads the file, changes the notes of the day elements named Today (none when Today is
// empty) and saves the file, all under the file's save lock. A file in the stored form is
// spliced, one that can be converted into it is converted and spliced, and any other goes
// through a document tree, which the save brings into the stored form. False with the reason in
// Error when the file cannot be read, parsed or saved.
bool ChangeToday(const std::string& FileName, std::string_view Today,
                 const std::function<TDayFate(TNotes&)>& Change, std::string& Error) {
    const std::optional<platform::TFileLock> Lock = platform::LockForSaving(FileName, Error);
    if (!Lock) {
        return false;
    }
    std::string Bytes;
    if (!platform::ReadWholeFile(FileName, Bytes, Error)) {
        return false;
    }
    if (std::optional<std::string> Spliced = SpliceToday(Bytes, Today, Change)) {
        Bytes = std::string();
        return platform::WriteFileAtomically(FileName, *Spliced, Error);
    }
    if (std::optional<std::string> Converted = ConvertToStoredForm(Bytes)) {
        if (std::optional<std::string> Spliced = SpliceToday(*Converted, Today, Change)) {
            Bytes = std::string();
            Converted = std::nullopt;
            return platform::WriteFileAtomically(FileName, *Spliced, Error);
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
    if (!SaveNotesDocument(Document, FileName, Error)) {
        throw ENotesError(Error);
    }
}

void SaveTodayNotes(const std::string& FileName, const TNotes& Given) {
    std::string Error;
    const auto Change = [&](TNotes& Notes) {
        Merge(Notes, Given);
        return TDayFate::Keep;
    };
    if (!ChangeToday(FileName, TodayDayName(), Change, Error)) {
        throw ENotesError(Error);
    }
}

void DeleteNote(const std::string& FileName, const std::string& Title) {
    const std::string Today = TodayDayName();
    const auto Change = [&](TNotes& Notes) {
        for (auto Note = Notes.begin(); Note != Notes.end(); ++Note) {
            if (Note->Title == Title) {
                Notes.erase(Note);
                break;
            }
        }
        return Notes.empty() ? TDayFate::Remove : TDayFate::Keep;
    };
    std::string Reason;
    // The sample day is never changed by a delete, not even on its own day.
    if (!ChangeToday(FileName, Today == SampleDayName ? std::string() : Today, Change, Reason)) {
        throw ENotesError("无法删除便签：" + Reason);
    }
}

} // namespace notes
