#include "platform/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace platform {

std::string ProgramPath() {
    std::error_code Error;
    const std::filesystem::path Program = std::filesystem::read_symlink("/proc/self/exe", Error);
    return Error ? std::string() : Program.string();
}

std::string ProgramFolder() {
    const std::filesystem::path Program = ProgramPath();
    if (!Program.has_parent_path()) {
        return {};
    }
    return Program.parent_path().string() + "/";
}

} // namespace platform
