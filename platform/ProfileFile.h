#pragma once

// Profile (INI) files: "[Section]" lines followed by "Key=Value" lines. Section and key
// names are matched regardless of ASCII letter case; the bytes are GBK, of which only the
// ASCII characters matter here. Writing changes one line and keeps every other byte. A UTF-8
// byte-order mark at the start is not part of the first line, and is kept by a write.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The value text of Key in the first section named Section, blanks around it removed;
// nothing when the section or key is missing.
std::optional<std::string> FindProfileValue(std::string_view Text, std::string_view Section,
                                            std::string_view Key);

// Text with Key set to Value: the key's line is replaced where it stands, or a new line is
// added after the last non-blank line of the section, or the section is added at the end.
std::string SetProfileValue(std::string_view Text, std::string_view Section, std::string_view Key,
                            std::string_view Value);

// A whole number: decimal with an optional sign, or "0x"/"0X" and hexadecimal digits (a text
// longer than two characters), within 32 bits. Nothing for any other text.
std::optional<std::int32_t> ParseProfileInteger(std::string_view Value);

// Reads Key from the file; Default when the file, section or key is missing or the value is
// not a whole number.
std::int32_t ReadProfileInteger(const std::string& FileName, std::string_view Section,
                                std::string_view Key, std::int32_t Default);

// Writes Key into the file crash-safely, creating a missing file, while holding the file's
// save lock (platform/SaveLock.h). False when the lock cannot be taken, when the file exists
// but cannot be read, or when it cannot be written (a file this user may not write included).
bool WriteProfileString(const std::string& FileName, std::string_view Section, std::string_view Key,
                        std::string_view Value);

struct TProfileValue {
    std::string_view Key;
    std::string Value;
};

// Writes every one of Values into Section of the file in one save under one lock, so that
// the file never holds some of them without the others. As WriteProfileString; when another
// process holds the save lock for too long, BusyError says so (in Chinese), else it stays
// empty.
bool WriteProfileStrings(const std::string& FileName, std::string_view Section,
                         const std::vector<TProfileValue>& Values, std::string& BusyError);

} // namespace platform
