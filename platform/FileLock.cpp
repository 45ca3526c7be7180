#include "platform/FileLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace platform {

std::optional<TFileLock> TFileLock::Take(const std::string& Path, TWait Wait, std::string& Error) {
    const int Fd = ::open(Path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (Fd < 0) {
        Error = "Cannot open " + Path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    const int Operation = Wait == TWait::UntilFree ? LOCK_EX : LOCK_EX | LOCK_NB;
    int Result = 0;
    do {
        Result = ::flock(Fd, Operation);
    } while (Result != 0 && errno == EINTR);
    if (Result != 0) {
        Error = errno == EWOULDBLOCK ? Path + " is held by another process"
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
