#include "platform/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace platform {

std::string ProgramFolder() {
    std::error_code Error;
    const std::filesystem::path Program = std::filesystem::read_symlink("/proc/self/exe", Error);
    if (Error || !Program.has_parent_path()) {
        return {};
    }
    return Program.parent_path().string() + "/";
}

} // namespace platform
