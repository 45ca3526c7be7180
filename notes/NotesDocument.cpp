#include "notes/NotesDocument.h"

#include "notes/UNotesFile.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/Files.h"

namespace notes {

std::string NotesFileName() {
    return platform::DataFolder() + "Notes.xml";
}

std::string TodayDayName() {
    return "Date" + FormatDateTime("yyyy-mm-dd", platform::Now());
}

platform::XmlDocument LoadNotesDocument(const std::string& FileName, std::string& Error) {
    std::string Bytes;
    if (!platform::ReadWholeFile(FileName, Bytes, Error)) {
        return {};
    }
    platform::XmlDocument Document = platform::XmlDocument::Parse(Bytes, Error);
    if (!Document) {
        Error = FileName + ": " + Error;
    }
    return Document;
}

bool NotesFileBytes(platform::XmlDocument& Document, std::string& Bytes, std::string& Error) {
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
    return Document.Save(NotesEncoding, Bytes, Error);
}

bool SaveNotesDocument(platform::XmlDocument& Document, const std::string& FileName,
                       std::string& Error) {
    std::string Bytes;
    if (!NotesFileBytes(Document, Bytes, Error)) {
        Error = FileName + ": " + Error;
        return false;
    }
    return platform::WriteFileAtomically(FileName, Bytes, Error);
}

} // namespace notes
