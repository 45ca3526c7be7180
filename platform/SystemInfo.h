#pragma once

// What the system tells about itself: the computer's name, the operating system's
// version record, its folders and the running program's file.

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Platform identifiers of the version record.
inline constexpr std::uint32_t PlatformWindows9x = 1;
inline constexpr std::uint32_t PlatformWindowsNT = 2;
inline constexpr std::uint32_t PlatformOther = 0x100;

inline constexpr std::uint8_t ProductWorkstation = 1;

struct OSVersionRecord {
    std::uint32_t PlatformId = PlatformOther;
    std::uint32_t MajorVersion = 0;
    std::uint32_t MinorVersion = 0;
    std::uint8_t ProductType = 0;
    // The service-pack text ("A" as its second character marks the second edition of 98).
    std::string CSDVersion;
};

// The host name; empty when the system cannot give it.
std::string ComputerName();

// Renames the computer (needs the privilege to do so). False when the system refuses.
bool SetComputerName(const std::string& Name);

// The running system's version record: here always PlatformOther, with the kernel's
// major and minor release numbers. Nothing when the system cannot tell.
std::optional<OSVersionRecord> OSVersion();

// The Windows and system folders; this system has neither, so always nothing.
std::optional<std::string> WindowsFolder();
std::optional<std::string> SystemFolder();

// The folder for temporary files ($TMPDIR, else /tmp), always ending in "/".
std::string TempFolder();

// The full path of the running program's file; empty when the system cannot tell.
std::string ProgramFile();

} // namespace platform
