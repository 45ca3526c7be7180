#pragma once

// The lock that every read-modify-write of a data file holds: a lock file "<name>.lock"
// beside the file, so that two processes saving at once take turns instead of losing each
// other's changes. Readers need no lock, since a save replaces the file whole.

#include "platform/FileLock.h"

#include <optional>
#include <string>

namespace platform {

// Waits for the lock of Path, at most TFileLock::BriefWait, and, holding it, removes the temporary
// files "<name>.tmp-*" that interrupted saves of Path left beside it (or beside its link's target):
// no save that is still running can own one, since every save holds this lock. Empty with the
// reason (in Chinese, naming the file) in Error when the lock file cannot be made or another
// process holds the lock for longer than the wait: a window that saves is never held up for long.
// Held tells the second case from the first.
std::optional<TFileLock> LockForSaving(const std::string& Path, std::string& Error);
std::optional<TFileLock> LockForSaving(const std::string& Path, std::string& Error, bool& Held);

} // namespace platform
