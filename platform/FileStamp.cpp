#include "platform/FileStamp.h"

#include <sys/stat.h>

namespace platform {

bool ReadFileStamp(const std::string& Path, TFileStamp& Stamp) {
    struct stat Info {};
    if (::stat(Path.c_str(), &Info) != 0 || !S_ISREG(Info.st_mode)) {
        return false;
    }
    Stamp.Device = static_cast<std::uint64_t>(Info.st_dev);
    Stamp.Inode = static_cast<std::uint64_t>(Info.st_ino);
    Stamp.Size = static_cast<std::int64_t>(Info.st_size);
    Stamp.ModifiedNs = static_cast<std::int64_t>(Info.st_mtim.tv_sec) * 1'000'000'000 +
                       static_cast<std::int64_t>(Info.st_mtim.tv_nsec);
    return true;
}

} // namespace platform
