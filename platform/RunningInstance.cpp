#include "platform/RunningInstance.h"

#include "platform/DataFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

// How long a later start waits for a holder that has just taken the lock to write its door,
// or for a door whose queue is full to take one more knock.
constexpr auto DoorPatience = std::chrono::seconds(1);
constexpr auto DoorRetry = std::chrono::milliseconds(20);
constexpr int DoorQueue = 64;
// Written in place of a door's name by a holder that could not open one.
const std::string NoDoor = "-";

std::string Why(const std::string& What, int Error) {
    return What + ": " + std::strerror(Error);
}

std::string WithSlash(std::string Folder) {
    if (Folder.empty() || Folder.back() != '/')
        Folder += '/';
    return Folder;
}

// Whether Folder is a folder of this user that no one else may write into (nor read, when
// Private); Fault says why not.
bool OwnFolder(const std::string& Folder, bool Private, std::string& Fault) {
    struct stat Info {};
    if (::stat(Folder.c_str(), &Info) != 0) {
        Fault = Why(Folder, errno);
        return false;
    }
    const mode_t Others = Private ? 077 : 022;
    if (!S_ISDIR(Info.st_mode) || Info.st_uid != ::geteuid() || (Info.st_mode & Others) != 0) {
        Fault = Folder + ": 不是本用户独占的文件夹";
        return false;
    }
    return true;
}

// The same name for the same data folder, from every build.
std::string FolderKey(const std::string& Folder) {
    std::uint64_t Hash = 1469598103934665603ULL;
    for (const unsigned char C : Folder) {
        Hash ^= C;
        Hash *= 1099511628211ULL;
    }
    static const char Digits[] = "0123456789abcdef";
    std::string Key;
    for (int Shift = 60; Shift >= 0; Shift -= 4)
        Key += Digits[(Hash >> Shift) & 0xF];
    return Key;
}

// The folder that holds the lock when the data folder cannot: the runtime folder when it is
// this user's alone, or else a private folder of this user made in it.
std::string FallbackFolder(const std::string& Name, std::string& Fault) {
    const char* Runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string Base = WithSlash(Runtime != nullptr && *Runtime != '\0' ? Runtime : "/tmp");
    if (OwnFolder(Base, true, Fault))
        return Base;
    const std::string Private = Base + Name + "-" + std::to_string(::geteuid()) + "/";
    ::mkdir(Private.c_str(), 0700);
    struct stat Info {};
    // Not followed: a link planted there by someone else is not our folder.
    if (::lstat(Private.c_str(), &Info) != 0 || !S_ISDIR(Info.st_mode) ||
        Info.st_uid != ::geteuid() || (Info.st_mode & 077) != 0) {
        Fault = Private + ": 不是本用户独占的文件夹";
        return {};
    }
    return Private;
}

enum class TTaken { Ours, HeldElsewhere, Fault };

struct TLockAttempt {
    TTaken Outcome = TTaken::Fault;
    int Fd = -1;
    std::string Fault;
};

TLockAttempt TakeLock(const std::string& Path) {
    // Not followed and not waited on: a link, a FIFO or a folder in its place is a fault.
    const int Fd =
        ::open(Path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (Fd < 0)
        return {TTaken::Fault, -1, Why(Path, errno)};
    struct stat Info {};
    if (::fstat(Fd, &Info) != 0 || !S_ISREG(Info.st_mode) || Info.st_uid != ::geteuid() ||
        (Info.st_mode & 022) != 0) {
        ::close(Fd);
        return {TTaken::Fault, -1, Path + ": 不是本用户的普通文件"};
    }
    int Result = 0;
    do {
        Result = ::flock(Fd, LOCK_EX | LOCK_NB);
    } while (Result != 0 && errno == EINTR);
    if (Result == 0)
        return {TTaken::Ours, Fd, {}};
    const int Error = errno;
    if (Error == EWOULDBLOCK)
        return {TTaken::HeldElsewhere, Fd, {}};
    ::close(Fd);
    return {TTaken::Fault, -1, Why(Path, Error)};
}

std::string ReadDoor(int Fd) {
    const auto Deadline = std::chrono::steady_clock::now() + DoorPatience;
    for (;;) {
        char Text[128] = {};
        const ssize_t Read = ::pread(Fd, Text, sizeof(Text) - 1, 0);
        std::string Door(Text, Read > 0 ? static_cast<std::size_t>(Read) : 0);
        const std::size_t End = Door.find('\n');
        if (End != std::string::npos)
            return Door.substr(0, End);
        if (std::chrono::steady_clock::now() >= Deadline)
            return {};
        std::this_thread::sleep_for(DoorRetry);
    }
}

socklen_t DoorAddress(const std::string& Door, sockaddr_un& Address) {
    Address = {};
    Address.sun_family = AF_UNIX;
    const std::size_t Length = std::min(Door.size(), sizeof(Address.sun_path) - 1);
    // The abstract namespace: a first byte of zero, and no file anywhere.
    std::memcpy(Address.sun_path + 1, Door.data(), Length);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + Length);
}

std::string RandomDoorName(const std::string& Name) {
    std::random_device Random;
    std::string Door = Name + "-";
    static const char Digits[] = "0123456789abcdef";
    for (int I = 0; I < 32; ++I)
        Door += Digits[Random() & 0xF];
    return Door;
}

int OpenDoor(const std::string& Door, std::string& Fault) {
    const int Fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (Fd < 0) {
        Fault = Why("socket", errno);
        return -1;
    }
    sockaddr_un Address{};
    const socklen_t Length = DoorAddress(Door, Address);
    if (::bind(Fd, reinterpret_cast<const sockaddr*>(&Address), Length) != 0 ||
        ::listen(Fd, DoorQueue) != 0) {
        Fault = Why("bind/listen", errno);
        ::close(Fd);
        return -1;
    }
    return Fd;
}

bool PeerIsThisUser(int Fd) {
    ucred Peer{};
    socklen_t Size = sizeof(Peer);
    return ::getsockopt(Fd, SOL_SOCKET, SO_PEERCRED, &Peer, &Size) == 0 && Peer.uid == ::geteuid();
}

bool WriteDoor(int LockFd, const std::string& Door) {
    const std::string Line = Door + "\n";
    return ::ftruncate(LockFd, 0) == 0 &&
           ::pwrite(LockFd, Line.data(), Line.size(), 0) == static_cast<ssize_t>(Line.size());
}

} // namespace

TRunningInstance::TClaim TRunningInstance::Claim(const std::string& Name) {
    TClaim Claim;
    std::string Faults;
    const std::string Data = DataFolder();
    std::string Fault;
    std::string LockPath;
    if (EnsureDataFolder() && OwnFolder(Data, false, Fault))
        LockPath = Data + Name + ".lock";
    TLockAttempt Attempt;
    if (!LockPath.empty()) {
        Attempt = TakeLock(LockPath);
        Fault = Attempt.Fault;
    } else if (Fault.empty()) {
        Fault = Data + ": 无法建立";
    }
    if (Attempt.Outcome == TTaken::Fault) {
        Faults = Fault;
        const std::string Fallback = FallbackFolder(Name, Fault);
        if (Fallback.empty()) {
            Claim.Fault = Faults + "；" + Fault;
            return Claim;
        }
        LockPath = Fallback + Name + "-" + FolderKey(Data) + ".lock";
        Attempt = TakeLock(LockPath);
        if (Attempt.Outcome == TTaken::Fault) {
            Claim.Fault = Faults + "；" + Attempt.Fault;
            return Claim;
        }
    }
    if (Attempt.Outcome == TTaken::HeldElsewhere) {
        Claim.HeldElsewhere = true;
        Claim.Door = ReadDoor(Attempt.Fd);
        if (Claim.Door == NoDoor)
            Claim.Door.clear();
        ::close(Attempt.Fd);
        return Claim;
    }
    const std::string Door = RandomDoorName(Name);
    std::string DoorFault;
    const int DoorFd = OpenDoor(Door, DoorFault);
    if (!WriteDoor(Attempt.Fd, DoorFd >= 0 ? Door : NoDoor) && DoorFault.empty())
        DoorFault = Why(LockPath, errno);
    Claim.Instance.emplace(TRunningInstance(Attempt.Fd, LockPath, DoorFd, DoorFault));
    return Claim;
}

bool TRunningInstance::Knock(const std::string& Door) {
    if (Door.empty())
        return false;
    sockaddr_un Address{};
    const socklen_t Length = DoorAddress(Door, Address);
    const auto Deadline = std::chrono::steady_clock::now() + DoorPatience;
    for (;;) {
        const int Fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (Fd < 0)
            return false;
        const bool Connected =
            ::connect(Fd, reinterpret_cast<const sockaddr*>(&Address), Length) == 0;
        const int Error = errno;
        const bool Delivered = Connected && PeerIsThisUser(Fd);
        ::close(Fd);
        // Only a full queue is worth another try: the door is there, and busy.
        if (Connected || Error != EAGAIN || std::chrono::steady_clock::now() >= Deadline)
            return Delivered;
        std::this_thread::sleep_for(DoorRetry);
    }
}

TRunningInstance::TRunningInstance(int LockFd, std::string LockPath, int Door,
                                   std::string DoorFault)
    : FLockFd(LockFd), FLockPath(std::move(LockPath)), FDoor(Door),
      FDoorFault(std::move(DoorFault)) {}

TRunningInstance::TRunningInstance(TRunningInstance&& Other) noexcept
    : FLockFd(std::exchange(Other.FLockFd, -1)), FLockPath(std::move(Other.FLockPath)),
      FDoor(std::exchange(Other.FDoor, -1)), FDoorFault(std::move(Other.FDoorFault)) {}

TRunningInstance::~TRunningInstance() {
    if (FDoor >= 0)
        ::close(FDoor);
    if (FLockFd >= 0)
        ::close(FLockFd);
}

int TRunningInstance::TakeKnocks(int Most) {
    int Knocks = 0;
    for (int Taken = 0; Taken < Most;) {
        const int Visitor = ::accept4(FDoor, nullptr, nullptr, SOCK_CLOEXEC);
        if (Visitor < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        ++Taken;
        if (PeerIsThisUser(Visitor))
            ++Knocks;
        ::close(Visitor);
    }
    return Knocks;
}

} // namespace platform
