#pragma once

// The one running instance of a program per data folder and user. The first start holds a
// lock on a lock file in the data folder (the notes it guards are there, whatever session the
// start comes from) and listens on a door: a local socket in the abstract namespace under a
// random name, written into the lock file. A later start finds the lock taken, reads the
// door's name and knocks, so the running instance can come forward. The kernel drops the
// lock of a killed process, and an abstract socket leaves no file, so nothing stale blocks
// the next start.
//
// Only a folder and a lock file of this user are used (owner and mode checked, no links
// followed), and both sides of a knock check the other's user (SO_PEERCRED). When the data
// folder cannot hold the lock, a private folder of this user in the runtime folder
// ($XDG_RUNTIME_DIR, or /tmp) holds it instead, under a name made from the data folder.

#include <optional>
#include <string>

namespace platform {

class TRunningInstance {
public:
    struct TClaim;

    // Claims the place of the instance called Name for the data folder.
    static TClaim Claim(const std::string& Name);

    // Knocks on Door (as given by Claim). True when the running instance of this user took the
    // knock; false at once when nothing answers there.
    static bool Knock(const std::string& Door);

    TRunningInstance(TRunningInstance&& Other) noexcept;
    TRunningInstance& operator=(TRunningInstance&&) = delete;
    TRunningInstance(const TRunningInstance&) = delete;
    TRunningInstance& operator=(const TRunningInstance&) = delete;
    ~TRunningInstance();

    // Becomes readable when a later start knocks; -1 when the door could not be opened.
    int DoorDescriptor() const { return FDoor; }
    // Why the door could not be opened; empty when it is open.
    const std::string& DoorFault() const { return FDoorFault; }
    // The lock file held.
    const std::string& LockPath() const { return FLockPath; }

    // Lets in at most Most of the knocks that wait at the door (so that a flood of them
    // cannot take over the caller); how many of those came from this user.
    int TakeKnocks(int Most);

private:
    TRunningInstance(int LockFd, std::string LockPath, int Door, std::string DoorFault);

    int FLockFd = -1;
    std::string FLockPath;
    int FDoor = -1;
    std::string FDoorFault;
};

struct TRunningInstance::TClaim {
    // The place, when this process got it.
    std::optional<TRunningInstance> Instance;
    // Another process of this user holds the place; Door is where it listens (empty when it
    // has none).
    bool HeldElsewhere = false;
    std::string Door;
    // Why no place could be had at all, neither in the data folder nor in the runtime folder.
    std::string Fault;
};

} // namespace platform
