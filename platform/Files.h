#pragma once

// Whole-file reads and crash-safe whole-file writes of the data files.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The largest data file that is read or written: 64 MiB, some twenty times a notes file that
// holds ten years of four notes a day. A larger file is taken as unreadable, so a file of any
// size on disk costs a bounded amount of memory.
inline constexpr std::size_t MaxDataFileBytes = std::size_t{64} << 20;

// Reads the whole file into Bytes. Only a regular file of at most MaxDataFileBytes is read:
// the open never waits (a FIFO or a device under the name is refused at once, not read), and
// the type and size are checked on the opened file itself. A link is followed to its target.
// On failure returns false with the reason, in Chinese and naming the file, in Error.
bool ReadWholeFile(const std::string& Path, std::string& Bytes, std::string& Error);

// Replaces the file's content with Bytes so that a crash at any moment leaves either the old
// or the new file: the bytes go into a temporary file "<name>.tmp-XXXXXX" beside the file,
// which is flushed to disk and renamed over it. When Path is a symbolic link, the link's
// target is replaced in its own folder and the link stays. A file that exists but may not be
// written by this user is left alone, as is anything larger than MaxDataFileBytes. On failure
// the old file is untouched, the temporary file is removed, and the reason (in Chinese,
// naming the file) is put into Error.
bool WriteFileAtomically(const std::string& Path, std::string_view Bytes, std::string& Error);

// Whether anything (a file, a folder, a link even if it leads nowhere) stands at Path.
bool PathExists(const std::string& Path);

// The file a write of Path replaces: the final target when Path is a symbolic link (even a
// chain of them), else Path itself. Empty when a link leads nowhere that could be written.
std::string SaveTarget(const std::string& Path);

} // namespace platform
