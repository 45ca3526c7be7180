#include "about/OSName.h"

namespace {

std::string Windows9xName(const platform::OSVersionRecord& Record) {
    if (Record.MajorVersion != 4) {
        return "Unknown";
    }
    switch (Record.MinorVersion) {
    case 0:
        return "Windows 95";
    case 10:
        return Record.CSDVersion.size() > 1 && Record.CSDVersion[1] == 'A' ? "Windows 98 SE"
                                                                           : "Windows 98";
    case 90:
        return "Windows ME";
    default:
        return "Unknown";
    }
}

std::string WindowsNTName(const platform::OSVersionRecord& Record) {
    const bool Workstation = Record.ProductType == platform::ProductWorkstation;
    if (Record.MajorVersion <= 4) {
        return "Windows NT";
    }
    if (Record.MajorVersion == 5) {
        switch (Record.MinorVersion) {
        case 0:
            return "Windows 2000";
        case 1:
            return "Windows XP";
        case 2:
            return "Windows 2003";
        default:
            return "Unknown";
        }
    }
    if (Record.MajorVersion == 6) {
        switch (Record.MinorVersion) {
        case 0:
            return Workstation ? "Windows Vista" : "Windows Server 2008";
        case 1:
            return Workstation ? "Windows 7" : "Windows Server 2008R2";
        case 2:
            return Workstation ? "Windows 8" : "Windows Server 8";
        default:
            return "Unknown";
        }
    }
    return "Unknown";
}

} // namespace

std::string OSName(const std::optional<platform::OSVersionRecord>& Record) {
    if (!Record) {
        return "Unknown";
    }
    switch (Record->PlatformId) {
    case platform::PlatformWindows9x:
        return Windows9xName(*Record);
    case platform::PlatformWindowsNT:
        return WindowsNTName(*Record);
    default:
        return "Unknown";
    }
}
