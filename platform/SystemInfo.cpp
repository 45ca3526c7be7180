#include "platform/SystemInfo.h"

#include <climits>
#include <cstdlib>
#include <sys/utsname.h>
#include <unistd.h>

namespace platform {

std::string ComputerName() {
    char Name[HOST_NAME_MAX + 1] = {};
    if (gethostname(Name, sizeof Name - 1) != 0) {
        return {};
    }
    return Name;
}

bool SetComputerName(const std::string& Name) {
    return sethostname(Name.data(), Name.size()) == 0;
}

std::optional<OSVersionRecord> OSVersion() {
    utsname System{};
    if (uname(&System) != 0) {
        return std::nullopt;
    }
    OSVersionRecord Record;
    char* Rest = nullptr;
    Record.MajorVersion = static_cast<std::uint32_t>(std::strtoul(System.release, &Rest, 10));
    if (Rest != nullptr && *Rest == '.') {
        Record.MinorVersion = static_cast<std::uint32_t>(std::strtoul(Rest + 1, nullptr, 10));
    }
    return Record;
}

std::optional<std::string> WindowsFolder() {
    return std::nullopt;
}

std::optional<std::string> SystemFolder() {
    return std::nullopt;
}

std::string TempFolder() {
    const char* Folder = std::getenv("TMPDIR");
    std::string Path = (Folder != nullptr && *Folder != '\0') ? Folder : "/tmp";
    if (Path.back() != '/') {
        Path += '/';
    }
    return Path;
}

std::string ProgramFile() {
    char Path[PATH_MAX + 1] = {};
    const ssize_t Length = readlink("/proc/self/exe", Path, PATH_MAX);
    return Length > 0 ? std::string(Path, static_cast<std::size_t>(Length)) : std::string();
}

} // namespace platform
