#pragma once

// The one running instance of a program for this user. The first start holds a lock file
// in the user's runtime folder and listens on a local socket beside it; a later start finds
// the lock taken and knocks on that socket instead, so the running instance can come
// forward. The kernel drops the lock of a killed process, so a stale lock file or socket
// never blocks the next start.

#include "platform/FileLock.h"

#include <chrono>
#include <optional>
#include <string>

namespace platform {

class TRunningInstance {
public:
    // Claims the place of the instance called Name. Empty when another process holds it
    // (HeldElsewhere true) or when there is no folder to hold a lock in (HeldElsewhere false).
    static std::optional<TRunningInstance> Claim(const std::string& Name, bool& HeldElsewhere);

    // Knocks on the door of the running instance called Name, waiting up to Patience for
    // one that is still starting to open it. True when the knock was delivered.
    static bool Knock(const std::string& Name, std::chrono::milliseconds Patience);

    TRunningInstance(TRunningInstance&& Other) noexcept;
    TRunningInstance& operator=(TRunningInstance&&) = delete;
    TRunningInstance(const TRunningInstance&) = delete;
    TRunningInstance& operator=(const TRunningInstance&) = delete;
    ~TRunningInstance();

    // Becomes readable when a later start knocks; -1 when the door could not be opened.
    int DoorDescriptor() const { return FDoor; }

    // Lets in every knock that waits at the door; how many there were.
    int TakeKnocks();

private:
    TRunningInstance(TFileLock Lock, int Door, std::string DoorPath);

    TFileLock FLock;
    int FDoor = -1;
    std::string FDoorPath;
};

// The user's runtime folder ($XDG_RUNTIME_DIR), or the data folder when there is none;
// always ending in "/".
std::string RuntimeFolder();

} // namespace platform
