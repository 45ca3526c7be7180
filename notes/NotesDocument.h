#pragma once

// Loading and saving the notes file as a whole document, for the notes core's operations.

#include "platform/Xml.h"

#include <string>

namespace notes {

inline constexpr const char* RootName = "便签列表";
inline constexpr const char* TitleName = "标题";
inline constexpr const char* WhenName = "日期";
inline constexpr const char* RemindName = "提醒";
inline constexpr const char* ContentName = "内容";
inline constexpr const char* NotesEncoding = "GB2312";

// Reads and parses the file; an empty document and the reason in Error on failure.
platform::XmlDocument LoadNotesDocument(const std::string& FileName, std::string& Error);

// The document as the notes file stores it: GB2312, with no white space between elements
// and the CDATA sections inside notes written as text. False with the reason in Error when
// it cannot be encoded.
bool NotesFileBytes(platform::XmlDocument& Document, std::string& Bytes, std::string& Error);

// Writes the document crash-safely in the form of NotesFileBytes.
// False with the reason in Error when it cannot be written; the old file is then intact.
bool SaveNotesDocument(platform::XmlDocument& Document, const std::string& FileName,
                       std::string& Error);

} // namespace notes
