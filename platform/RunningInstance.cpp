#include "platform/RunningInstance.h"

#include "platform/DataFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

constexpr auto KnockRetry = std::chrono::milliseconds(50);

std::optional<sockaddr_un> DoorAddress(const std::string& Path) {
    sockaddr_un Address{};
    if (Path.size() >= sizeof(Address.sun_path))
        return std::nullopt;
    Address.sun_family = AF_UNIX;
    std::memcpy(Address.sun_path, Path.c_str(), Path.size() + 1);
    return Address;
}

std::string DoorPath(const std::string& Name) {
    return RuntimeFolder() + Name + ".socket";
}

// Listens at Path; whatever stood there belonged to an earlier holder of the lock.
int OpenDoor(const std::string& Path) {
    const std::optional<sockaddr_un> Address = DoorAddress(Path);
    if (!Address)
        return -1;
    const int Fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (Fd < 0)
        return -1;
    ::unlink(Path.c_str());
    const mode_t Before = ::umask(0077);
    const bool Bound =
        ::bind(Fd, reinterpret_cast<const sockaddr*>(&*Address), sizeof(*Address)) == 0;
    ::umask(Before);
    if (!Bound || ::listen(Fd, 8) != 0) {
        ::close(Fd);
        return -1;
    }
    return Fd;
}

} // namespace

std::string RuntimeFolder() {
    const char* Runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat Info {};
    if (Runtime != nullptr && *Runtime != '\0' && ::stat(Runtime, &Info) == 0 &&
        S_ISDIR(Info.st_mode)) {
        std::string Folder = Runtime;
        if (Folder.back() != '/')
            Folder += '/';
        return Folder;
    }
    return DataFolder();
}

std::optional<TRunningInstance> TRunningInstance::Claim(const std::string& Name,
                                                        bool& HeldElsewhere) {
    HeldElsewhere = false;
    if (RuntimeFolder() == DataFolder() && !EnsureDataFolder())
        return std::nullopt;
    std::string Error;
    std::optional<TFileLock> Lock =
        TFileLock::Take(RuntimeFolder() + Name + ".lock", TFileLock::TWait::No, Error);
    if (!Lock) {
        HeldElsewhere = Error.ends_with("is held by another process");
        return std::nullopt;
    }
    const std::string Path = DoorPath(Name);
    const int Door = OpenDoor(Path);
    return TRunningInstance(std::move(*Lock), Door, Door >= 0 ? Path : std::string());
}

bool TRunningInstance::Knock(const std::string& Name, std::chrono::milliseconds Patience) {
    const std::optional<sockaddr_un> Address = DoorAddress(DoorPath(Name));
    if (!Address)
        return false;
    const auto Deadline = std::chrono::steady_clock::now() + Patience;
    for (;;) {
        const int Fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (Fd < 0)
            return false;
        const bool Delivered =
            ::connect(Fd, reinterpret_cast<const sockaddr*>(&*Address), sizeof(*Address)) == 0;
        ::close(Fd);
        if (Delivered)
            return true;
        if (std::chrono::steady_clock::now() >= Deadline)
            return false;
        std::this_thread::sleep_for(KnockRetry);
    }
}

TRunningInstance::TRunningInstance(TFileLock Lock, int Door, std::string DoorPath)
    : FLock(std::move(Lock)), FDoor(Door), FDoorPath(std::move(DoorPath)) {}

TRunningInstance::TRunningInstance(TRunningInstance&& Other) noexcept
    : FLock(std::move(Other.FLock)), FDoor(std::exchange(Other.FDoor, -1)),
      FDoorPath(std::move(Other.FDoorPath)) {
    Other.FDoorPath.clear();
}

TRunningInstance::~TRunningInstance() {
    if (FDoor >= 0) {
        ::close(FDoor);
        ::unlink(FDoorPath.c_str());
    }
}

int TRunningInstance::TakeKnocks() {
    int Knocks = 0;
    for (;;) {
        const int Visitor = ::accept4(FDoor, nullptr, nullptr, SOCK_CLOEXEC);
        if (Visitor < 0) {
            if (errno == EINTR)
                continue;
            return Knocks;
        }
        ::close(Visitor);
        ++Knocks;
    }
}

} // namespace platform
