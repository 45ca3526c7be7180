#include "platform/FileLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

constexpr auto LockRetry = std::chrono::milliseconds(20);

} // namespace

std::optional<TFileLock> TFileLock::Take(const std::string& Path, TWait Wait, std::string& Error) {
    bool Held = false;
    return Take(Path, Wait, Error, Held);
}

std::optional<TFileLock> TFileLock::Take(const std::string& Path, TWait Wait, std::string& Error,
                                         bool& Held) {
    Held = false;
    const int Fd = ::open(Path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (Fd < 0) {
        Error = "Cannot open " + Path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    const int Operation = Wait == TWait::UntilFree ? LOCK_EX : LOCK_EX | LOCK_NB;
    const auto Deadline = std::chrono::steady_clock::now() + BriefWait;
    int Result = 0;
    for (;;) {
        Result = ::flock(Fd, Operation);
        if (Result == 0)
            break;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK || Wait != TWait::Briefly ||
            std::chrono::steady_clock::now() >= Deadline)
            break;
        std::this_thread::sleep_for(LockRetry);
    }
    if (Result != 0) {
        Held = errno == EWOULDBLOCK;
        Error = Held ? Path + " is held by another process"
                     : "Cannot lock " + Path + ": " + std::strerror(errno);
        ::close(Fd);
        return std::nullopt;
    }
    return TFileLock(Fd);
}

TFileLock::TFileLock(TFileLock&& Other) noexcept : FFd(std::exchange(Other.FFd, -1)) {}

TFileLock& TFileLock::operator=(TFileLock&& Other) noexcept {
    if (this != &Other) {
        Release();
        FFd = std::exchange(Other.FFd, -1);
    }
    return *this;
}

TFileLock::~TFileLock() {
    Release();
}

void TFileLock::Release() {
    if (FFd >= 0) {
        ::close(FFd);
        FFd = -1;
    }
}

} // namespace platform
