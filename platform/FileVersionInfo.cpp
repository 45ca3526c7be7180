#include "platform/FileVersionInfo.h"

#include "platform/ElfSection.h"

namespace platform {

std::optional<VersionBlock> ReadFileVersionInfo(const std::string& FileName) {
    const std::optional<std::vector<unsigned char>> Section =
        ReadElfSection(FileName, VersionSectionName, MaxVersionBlockSize);
    if (!Section) {
        return std::nullopt;
    }
    return DecodeVersionBlock(*Section);
}

} // namespace platform
