#pragma once

// Loading and saving the notes file as a whole document, for the notes core's operations.

#include "notes/UNotesFile.h"
#include "platform/Xml.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace notes {

inline constexpr const char* RootName = "便签列表";
inline constexpr const char* TitleName = "标题";
inline constexpr const char* WhenName = "日期";
inline constexpr const char* RemindName = "提醒";
inline constexpr const char* ContentName = "内容";
inline constexpr const char* RepeatName = "重复";
inline constexpr const char* AdvanceName = "提前";
inline constexpr const char* IdName = "标识";
inline constexpr const char* NotesEncoding = "GB2312";

// The elements a note is written as, names and texts in file order: "标题", "日期", "提醒" and
// "内容" always, then "重复" when it repeats (or holds a text of its own), "提前" when it is
// not 0 and "标识" when it has an identity.
std::vector<std::pair<const char*, std::string>> NoteElementsOf(const TNote& Note);

// The one size rule of the notes file: a file is read when its bytes are at most
// platform::MaxDataFileBytes, and written only when the bytes a save writes (its stored form,
// where a character GB2312 lacks takes a character reference of up to ten bytes) are at most
// that. The report of a stored form of StoredBytes that breaks the rule, in Chinese, naming the
// file; nothing when it keeps it.
std::optional<std::string> TooLargeToSave(std::size_t StoredBytes, const std::string& FileName);

// Writes the stored form Bytes crash-safely, after checking them against TooLargeToSave.
bool WriteNotesFile(const std::string& FileName, std::string_view Bytes, std::string& Error);

// Parses the file's bytes, which it takes over and frees as soon as the parser has its own
// copy; an empty document and the reason (in Chinese, naming the file) in Error on failure.
platform::XmlDocument ParseNotesDocument(std::string&& Bytes, const std::string& FileName,
                                         std::string& Error);

// The report of the first part of the document, once in the stored form of NotesFileBytes,
// that the notes file's encoding cannot hold (an element name with a character outside
// GB2312, say): in Chinese, naming the file and the line. Empty when it can be saved.
std::optional<std::string> UnwritablePart(platform::XmlDocument& Document,
                                          const std::string& FileName);

// The document as the notes file stores it: GB2312, with no white space between elements
// and the CDATA sections inside notes written as text. False with the reason in Error when
// it cannot be encoded.
bool NotesFileBytes(platform::XmlDocument& Document, std::string& Bytes, std::string& Error);

// Writes the document crash-safely in the form of NotesFileBytes. False with the reason (in
// Chinese, naming the file) in Error when it cannot be written, an unwritable part included;
// the old file is then intact.
bool SaveNotesDocument(platform::XmlDocument& Document, const std::string& FileName,
                       std::string& Error);

} // namespace notes
