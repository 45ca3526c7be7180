#include "notes/NotesDocument.h"

#include "notes/StoredFormConversion.h"
#include "notes/UNotesFile.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/Files.h"
#include "platform/XmlSavedForm.h"

#include <cstdio>

namespace notes {

std::string NotesFileName() {
    return platform::DataFolder() + "Notes.xml";
}

std::string DayName(TNoteDay Day) {
    char Name[32];
    std::snprintf(Name, sizeof(Name), "Date%04d-%02u-%02u", static_cast<int>(Day.year()),
                  static_cast<unsigned>(Day.month()), static_cast<unsigned>(Day.day()));
    return Name;
}

std::optional<TNoteDay> DayOfName(std::string_view Name) {
    constexpr std::string_view Prefix = "Date";
    int Year = 0;
    int Month = 0;
    int Day = 0;
    if (!Name.starts_with(Prefix) || !ReadIsoDate(Name.substr(Prefix.size()), Year, Month, Day)) {
        return std::nullopt;
    }
    return TNoteDay{std::chrono::year{Year}, std::chrono::month{static_cast<unsigned>(Month)},
                    std::chrono::day{static_cast<unsigned>(Day)}};
}

TNoteDay Today() {
    return TNoteDay{std::chrono::floor<std::chrono::days>(platform::Now())};
}

std::string TodayDayName() {
    return DayName(Today());
}

std::vector<std::pair<const char*, std::string>> NoteElementsOf(const TNote& Note) {
    std::vector<std::pair<const char*, std::string>> Elements{{TitleName, Note.Title},
                                                              {WhenName, Note.When},
                                                              {RemindName, Note.Remind.Text()},
                                                              {ContentName, Note.Content}};
    if (std::string Repeat = Note.Repeat.Text(); !Repeat.empty()) {
        Elements.emplace_back(RepeatName, std::move(Repeat));
    }
    if (Note.Advance != TAdvance()) {
        Elements.emplace_back(AdvanceName, Note.Advance.Text());
    }
    if (!Note.Id.empty()) {
        Elements.emplace_back(IdName, Note.Id);
    }
    return Elements;
}

platform::XmlDocument ParseNotesDocument(std::string&& Bytes, const std::string& FileName,
                                         std::string& Error) {
    platform::XmlDocument Document = platform::XmlDocument::Parse(std::move(Bytes), Error);
    if (!Document) {
        Error = "便签文件 " + FileName + " " + Error;
    }
    return Document;
}

namespace {

// The document in the form the notes file stores: no white space between elements, and the
// CDATA sections inside notes made text.
void TakeStoredForm(platform::XmlDocument& Document) {
    platform::XmlNode Root = Document.Root();
    Root.RemoveBlankChildren();
    for (platform::XmlNode Day : Root.Children()) {
        if (!Day.IsElement()) {
            continue;
        }
        Day.RemoveBlankChildren();
        // Inside a note's elements a CDATA section is text like any other; written as text,
        // it keeps characters that GB2312 lacks. Among a day's children it stays one child.
        for (platform::XmlNode Child : Day.Children()) {
            if (Child.IsElement()) {
                Child.CDataToText();
            }
        }
    }
}

} // namespace

std::optional<std::string> UnwritablePart(platform::XmlDocument& Document,
                                          const std::string& FileName) {
    TakeStoredForm(Document);
    const auto Part = Document.FirstUnwritable(NotesEncoding);
    if (!Part) {
        return std::nullopt;
    }
    return "便签文件 " + FileName + " 第 " + std::to_string(Part->Line) + " 行的“" + Part->Text +
           "”含有 GB2312 "
           "编码无法保存的字符，因此这个文件不能再保存；文件保持原样，请先改正这一处。";
}

std::optional<std::string> TooLargeToSave(std::size_t StoredBytes, const std::string& FileName) {
    if (StoredBytes <= platform::MaxDataFileBytes) {
        return std::nullopt;
    }
    constexpr std::size_t MiB = std::size_t{1} << 20;
    return "便签文件 " + FileName + " 以 GB2312 保存时约有 " +
           std::to_string((StoredBytes + MiB - 1) / MiB) + " MiB，超过 " +
           std::to_string(platform::MaxDataFileBytes / MiB) +
           " MiB 的上限，因此这个文件不能再保存；文件保持原样，请先删去一些便签或内容。";
}

bool WriteNotesFile(const std::string& FileName, std::string_view Bytes, std::string& Error) {
    if (const std::optional<std::string> Report = TooLargeToSave(Bytes.size(), FileName)) {
        Error = *Report;
        return false;
    }
    return platform::WriteFileAtomically(FileName, Bytes, Error);
}

std::string UnwritablePartOf(const std::string& FileName) {
    std::string Bytes;
    std::string Error;
    // A file in the stored form is saved as it stands, spliced; it was read, so it fits.
    if (!platform::ReadWholeFile(FileName, Bytes, Error) || platform::IsSavedForm(Bytes)) {
        return {};
    }
    // One that converts into it is saved in its converted form.
    if (const std::optional<std::string> Converted = ConvertToStoredForm(Bytes)) {
        return TooLargeToSave(Converted->size(), FileName).value_or(std::string());
    }
    platform::XmlDocument Document = ParseNotesDocument(std::move(Bytes), FileName, Error);
    if (!Document) {
        return {};
    }
    if (const std::optional<std::string> Part = UnwritablePart(Document, FileName)) {
        return *Part;
    }
    std::string Stored;
    return NotesFileBytes(Document, Stored, Error)
               ? TooLargeToSave(Stored.size(), FileName).value_or(std::string())
               : std::string();
}

bool NotesFileBytes(platform::XmlDocument& Document, std::string& Bytes, std::string& Error) {
    TakeStoredForm(Document);
    return Document.Save(NotesEncoding, Bytes, Error);
}

bool SaveNotesDocument(platform::XmlDocument& Document, const std::string& FileName,
                       std::string& Error) {
    if (const std::optional<std::string> Part = UnwritablePart(Document, FileName)) {
        Error = *Part;
        return false;
    }
    std::string Bytes;
    if (!NotesFileBytes(Document, Bytes, Error)) {
        Error = "便签文件 " + FileName + " 无法保存：" + Error;
        return false;
    }
    return WriteNotesFile(FileName, Bytes, Error);
}

} // namespace notes
