#pragma once

// The operating system's name for the About information, from the version record the
// system reports: the Windows releases by platform, version and product type, "Unknown"
// for everything else (this system included).

#include "platform/SystemInfo.h"

#include <optional>
#include <string>

std::string OSName(const std::optional<platform::OSVersionRecord>& Record);
