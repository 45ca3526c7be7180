#pragma once

// Whole-file reads and crash-safe whole-file writes.

#include <string>
#include <string_view>

namespace platform {

// Reads the whole file into Bytes. On failure returns false and puts the reason into Error.
bool ReadWholeFile(const std::string& Path, std::string& Bytes, std::string& Error);

// Replaces the file's content with Bytes so that a crash at any moment leaves either the old
// or the new file: the bytes go into a temporary file in the same folder, which is flushed
// to disk and renamed over the target. On failure the old file is untouched, the temporary
// file is removed, and the reason is put into Error.
bool WriteFileAtomically(const std::string& Path, std::string_view Bytes, std::string& Error);

} // namespace platform
