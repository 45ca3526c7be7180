#pragma once

// Reads one named section out of an ELF file (32- or 64-bit, either byte order), checking
// every offset and size against the file so that a damaged or hostile file only yields
// "not found".

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The contents of the first section called SectionName. Nothing when the file cannot be
// read, is not ELF, is damaged, has no such section, or the section is larger than MaxSize.
std::optional<std::vector<unsigned char>>
ReadElfSection(const std::string& FileName, std::string_view SectionName, std::size_t MaxSize);

} // namespace platform
