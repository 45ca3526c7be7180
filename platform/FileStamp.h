#pragma once

// What identifies one version of a file without reading it: the file's identity (device
// and inode), its size and its modification time in nanoseconds. Every save of the notes
// file replaces the file, so an unchanged stamp means unchanged contents.

#include <cstdint>
#include <string>

namespace platform {

struct TFileStamp {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::int64_t Size = 0;
    std::int64_t ModifiedNs = 0;

    bool operator==(const TFileStamp&) const = default;
};

// The stamp of the file at Path; false when it does not exist or cannot be examined.
bool ReadFileStamp(const std::string& Path, TFileStamp& Stamp);

} // namespace platform
