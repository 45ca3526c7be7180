#pragma once

// The program's version information as it travels inside an executable: a list of
// translations (language and code page) and, per translation, a table of named strings
// under a block key such as "080403A8". Encoded as a little-endian byte block:
//
//   "RXVI"  u16 format (1)
//   u16 translation count, then per translation: u16 language, u16 code page
//   u16 table count, then per table: u16 key length, key bytes,
//       u16 string count, then per string: u16 name length, name, u32 value length, value
//
// Texts are UTF-8. A block never exceeds MaxVersionBlockSize bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

inline constexpr std::size_t MaxVersionBlockSize = 65536;

struct VersionTranslation {
    std::uint16_t Language = 0;
    std::uint16_t CodePage = 0;
};

struct VersionStringTable {
    std::string Key;
    std::vector<std::pair<std::string, std::string>> Strings;
};

struct VersionBlock {
    std::vector<VersionTranslation> Translations;
    std::vector<VersionStringTable> Tables;
};

// Empty when the block would not fit the layout (too many items, too long a text, or
// more than MaxVersionBlockSize bytes in all).
std::vector<unsigned char> EncodeVersionBlock(const VersionBlock& Block);

// Nothing when the bytes are not exactly one well-formed block.
std::optional<VersionBlock> DecodeVersionBlock(std::span<const unsigned char> Bytes);

// The string Name of the table Key. Key and name match regardless of ASCII letter case,
// as version look-ups always have.
std::optional<std::string> QueryVersionString(const VersionBlock& Block, std::string_view Key,
                                              std::string_view Name);

} // namespace platform
