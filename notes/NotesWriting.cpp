#include "notes/NotesDocument.h"
#include "notes/NotesError.h"
#include "notes/ReadingRule.h"
#include "notes/UNotesFile.h"
#include "platform/SaveLock.h"

#include <array>
#include <optional>

namespace notes {
namespace {

constexpr std::array<const char*, 4> NoteElementNames = {TitleName, WhenName, RemindName,
                                                         ContentName};

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
        Day.AppendElement(NoteElementNames[0], Note.Title);
        Day.AppendElement(NoteElementNames[1], Note.When);
        Day.AppendElement(NoteElementNames[2], Note.Remind);
        Day.AppendElement(NoteElementNames[3], Note.Content);
    }
}

platform::TFileLock LockOrThrow(const std::string& FileName) {
    std::string Error;
    std::optional<platform::TFileLock> Lock = platform::LockForSaving(FileName, Error);
    if (!Lock) {
        throw ENotesError(Error);
    }
    return std::move(*Lock);
}

void Save(platform::XmlDocument& Document, const std::string& FileName) {
    std::string Error;
    if (!SaveNotesDocument(Document, FileName, Error)) {
        throw ENotesError(Error);
    }
}

} // namespace

void WriteSampleNotes(const std::string& FileName) {
    const platform::TFileLock Lock = LockOrThrow(FileName);
    platform::XmlDocument Document = platform::XmlDocument::Create(RootName);
    platform::XmlNode Day = Document.Root().AppendElement(SampleDayName);
    Day.AppendElement(TitleName, "测试");
    Day.AppendElement(WhenName, "2000-01-01");
    Day.AppendElement(RemindName, "是");
    Day.AppendElement(ContentName, "千禧年");
    Save(Document, FileName);
}

void SaveTodayNotes(const std::string& FileName, const std::vector<std::string>& Texts) {
    const std::string Today = TodayDayName();
    const platform::TFileLock Lock = LockOrThrow(FileName);
    std::string Error;
    platform::XmlDocument Document = LoadNotesDocument(FileName, Error);
    if (!Document) {
        throw ENotesError(Error);
    }
    platform::XmlNode Root = Document.Root();
    std::vector<platform::XmlNode> Days = DaysNamed(Root, Today);
    if (Days.empty()) {
        Days.push_back(Root.AppendElement(Today));
    }
    TNotes Notes = NotesOf(Days);
    const std::size_t Given = Texts.size() / 4;
    for (std::size_t K = 0; K < Given; ++K) {
        const std::size_t I = K * 4;
        if (K < Notes.size() && Notes[K].Title == Texts[I]) {
            Notes[K].When = Texts[I + 1];
            Notes[K].Remind = Texts[I + 2];
            Notes[K].Content = Texts[I + 3];
        } else {
            Notes.push_back({Texts[I], Texts[I + 1], Texts[I + 2], Texts[I + 3]});
        }
    }
    Rewrite(Days, Notes);
    Save(Document, FileName);
}

bool DeleteNote(const std::string& FileName, const std::string& Title, std::string* Error) {
    const std::string Today = TodayDayName();
    std::string Reason;
    const std::optional<platform::TFileLock> Lock = platform::LockForSaving(FileName, Reason);
    platform::XmlDocument Document;
    if (Lock) {
        Document = LoadNotesDocument(FileName, Reason);
    }
    bool Saved = false;
    if (Document) {
        std::vector<platform::XmlNode> Days;
        if (Today != SampleDayName) {
            Days = DaysNamed(Document.Root(), Today);
        }
        if (!Days.empty()) {
            TNotes Notes = NotesOf(Days);
            for (auto Note = Notes.begin(); Note != Notes.end(); ++Note) {
                if (Note->Title == Title) {
                    Notes.erase(Note);
                    break;
                }
            }
            Rewrite(Days, Notes);
            if (Notes.empty()) {
                Days.front().Remove();
            }
        }
        Saved = SaveNotesDocument(Document, FileName, Reason);
    }
    if (!Saved && Error != nullptr) {
        *Error = "无法删除便签：" + Reason;
    }
    return Saved;
}

} // namespace notes
