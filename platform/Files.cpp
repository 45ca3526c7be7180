#include "platform/Files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

std::string Reason(const std::string& What, const std::string& Path, int Code) {
    return What + " " + Path + ": " + std::strerror(Code);
}

std::string FolderOf(const std::string& Path) {
    const std::string::size_type Slash = Path.rfind('/');
    if (Slash == std::string::npos) {
        return ".";
    }
    return Slash == 0 ? "/" : Path.substr(0, Slash);
}

bool WriteAll(int Fd, std::string_view Bytes) {
    while (!Bytes.empty()) {
        const ssize_t Written = ::write(Fd, Bytes.data(), Bytes.size());
        if (Written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        Bytes.remove_prefix(static_cast<std::size_t>(Written));
    }
    return true;
}

// The rename is durable only once the folder's entry is on disk too.
void SyncFolder(const std::string& Folder) {
    const int Fd = ::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd >= 0) {
        ::fsync(Fd);
        ::close(Fd);
    }
}

} // namespace

bool ReadWholeFile(const std::string& Path, std::string& Bytes, std::string& Error) {
    Bytes.clear();
    const int Fd = ::open(Path.c_str(), O_RDONLY | O_CLOEXEC);
    if (Fd < 0) {
        Error = Reason("Cannot open", Path, errno);
        return false;
    }
    struct stat Info {};
    if (::fstat(Fd, &Info) == 0 && S_ISREG(Info.st_mode)) {
        Bytes.reserve(static_cast<std::size_t>(Info.st_size));
    }
    std::vector<char> Buffer(1 << 16);
    for (;;) {
        const ssize_t Got = ::read(Fd, Buffer.data(), Buffer.size());
        if (Got == 0) {
            break;
        }
        if (Got < 0) {
            if (errno == EINTR) {
                continue;
            }
            Error = Reason("Cannot read", Path, errno);
            ::close(Fd);
            Bytes.clear();
            return false;
        }
        Bytes.append(Buffer.data(), static_cast<std::size_t>(Got));
    }
    ::close(Fd);
    return true;
}

bool WriteFileAtomically(const std::string& Path, std::string_view Bytes, std::string& Error) {
    std::string Temporary = Path + ".tmp-XXXXXX";
    const int Fd = ::mkostemp(Temporary.data(), O_CLOEXEC);
    if (Fd < 0) {
        Error = Reason("Cannot write", Path, errno);
        return false;
    }
    struct stat Old {};
    const mode_t Mode = ::stat(Path.c_str(), &Old) == 0 ? (Old.st_mode & 07777) : 0644;
    int Failure = 0;
    if (::fchmod(Fd, Mode) != 0 || !WriteAll(Fd, Bytes) || ::fsync(Fd) != 0) {
        Failure = errno;
    }
    if (::close(Fd) != 0 && Failure == 0) {
        Failure = errno;
    }
    if (Failure == 0 && ::rename(Temporary.c_str(), Path.c_str()) != 0) {
        Failure = errno;
    }
    if (Failure != 0) {
        ::unlink(Temporary.c_str());
        Error = Reason("Cannot write", Path, Failure);
        return false;
    }
    SyncFolder(FolderOf(Path));
    return true;
}

} // namespace platform
