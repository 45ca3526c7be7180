#pragma once

// The version information carried by a program file: on this system the version block
// (platform/VersionBlock.h) stored in the ELF section ".ruxa.version", written there at
// build time. Any file can be named; one without the section has no version information.

#include "platform/VersionBlock.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::string_view VersionSectionName = ".ruxa.version";

// Nothing when the file is missing, unreadable, not ELF, has no version section or a
// damaged one.
std::optional<VersionBlock> ReadFileVersionInfo(const std::string& FileName);

} // namespace platform
