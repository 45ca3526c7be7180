#include "platform/DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

std::string& OverriddenFolder() {
    static std::string Folder;
    return Folder;
}

std::string WithTrailingSlash(std::string Path) {
    if (Path.empty() || Path.back() != '/') {
        Path += '/';
    }
    return Path;
}

std::string DefaultFolder() {
    const char* DataHome = std::getenv("XDG_DATA_HOME");
    if (DataHome != nullptr && *DataHome != '\0') {
        return WithTrailingSlash(DataHome) + "RuxaCalendar/";
    }
    const char* Home = std::getenv("HOME");
    return WithTrailingSlash(Home != nullptr ? Home : "") + ".local/share/RuxaCalendar/";
}

} // namespace

std::string DataFolder() {
    const std::string& Folder = OverriddenFolder();
    return Folder.empty() ? DefaultFolder() : WithTrailingSlash(Folder);
}

bool EnsureDataFolder() {
    std::error_code Error;
    std::filesystem::create_directories(DataFolder(), Error);
    return std::filesystem::is_directory(DataFolder(), Error);
}

void SetDataFolder(const std::string& Folder) {
    OverriddenFolder() = Folder;
}

} // namespace platform
