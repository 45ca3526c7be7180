#include "platform/LocalTimeZone.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

namespace platform {
namespace {

// A zone name is a relative path of the database: letters, digits and "/_+-".
bool IsZoneName(std::string_view Name) {
    if (Name.empty() || Name.front() == '/' || Name.find("..") != std::string_view::npos) {
        return false;
    }
    for (const char C : Name) {
        const bool Plain = (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') ||
                           (C >= '0' && C <= '9') || C == '/' || C == '_' || C == '+' || C == '-';
        if (!Plain) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string LocalTimeZoneName() {
    if (const char* Tz = std::getenv("TZ"); Tz != nullptr) {
        std::string_view Name = Tz;
        if (Name.starts_with(':')) {
            Name.remove_prefix(1);
        }
        if (IsZoneName(Name)) {
            return std::string(Name);
        }
    }
    std::ifstream TimeZoneFile("/etc/timezone");
    std::string Name;
    if (std::getline(TimeZoneFile, Name) && IsZoneName(Name)) {
        return Name;
    }
    std::error_code Error;
    const std::string Target = std::filesystem::read_symlink("/etc/localtime", Error).string();
    const std::size_t At = Target.find("zoneinfo/");
    if (!Error && At != std::string::npos && IsZoneName(Target.substr(At + 9))) {
        return Target.substr(At + 9);
    }
    return {};
}

} // namespace platform
