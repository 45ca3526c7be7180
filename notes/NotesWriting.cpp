#include "notes/NotesDocument.h"
#include "notes/NotesError.h"
#include "notes/UNotesFile.h"

#include <array>
#include <optional>

namespace notes {
namespace {

constexpr std::array<const char*, 4> NoteElementNames = {TitleName, WhenName, RemindName,
                                                         ContentName};

// Today's day element: the root's first child element named Name.
std::optional<platform::XmlNode> FindDay(const platform::XmlNode& Root, std::string_view Name) {
    for (const platform::XmlNode& Day : Root.Children()) {
        if (Day.NameIs(Name)) {
            return Day;
        }
    }
    return std::nullopt;
}

void Save(platform::XmlDocument& Document, const std::string& FileName) {
    std::string Error;
    if (!SaveNotesDocument(Document, FileName, Error)) {
        throw ENotesError(Error);
    }
}

} // namespace

void WriteSampleNotes(const std::string& FileName) {
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
    std::string Error;
    platform::XmlDocument Document = LoadNotesDocument(FileName, Error);
    if (!Document) {
        throw ENotesError(Error);
    }
    platform::XmlNode Root = Document.Root();
    const std::optional<platform::XmlNode> Found = FindDay(Root, Today);
    platform::XmlNode Day = Found ? *Found : Root.AppendElement(Today);
    std::vector<platform::XmlNode> Children = Day.Children();
    const std::size_t Notes = Texts.size() / 4;
    for (std::size_t Note = 0; Note < Notes; ++Note) {
        const std::size_t I = Note * 4;
        if (Children.size() > I && Children[I].Text() == Texts[I]) {
            // A stored note cut short by hand gets its missing children back.
            for (std::size_t J = 1; J < 4; ++J) {
                if (Children.size() > I + J) {
                    Children[I + J].SetText(Texts[I + J]);
                } else {
                    Children.push_back(Day.AppendElement(NoteElementNames[J], Texts[I + J]));
                }
            }
        } else {
            for (std::size_t J = 0; J < 4; ++J) {
                Children.push_back(Day.AppendElement(NoteElementNames[J], Texts[I + J]));
            }
        }
    }
    Save(Document, FileName);
}

bool DeleteNote(const std::string& FileName, const std::string& Title) {
    const std::string Today = TodayDayName();
    std::string Error;
    platform::XmlDocument Document = LoadNotesDocument(FileName, Error);
    if (!Document) {
        return false;
    }
    std::optional<platform::XmlNode> Day;
    if (Today != SampleDayName) {
        Day = FindDay(Document.Root(), Today);
    }
    if (Day) {
        std::vector<platform::XmlNode> Children = Day->Children();
        for (std::size_t I = 0; I < Children.size(); ++I) {
            if (Children[I].NameIs(TitleName) && Children[I].Text() == Title) {
                for (std::size_t J = I; J < I + 4 && J < Children.size(); ++J) {
                    Children[J].Remove();
                }
                break;
            }
        }
        if (Day->Children().empty()) {
            Day->Remove();
        }
    }
    return SaveNotesDocument(Document, FileName, Error);
}

} // namespace notes
