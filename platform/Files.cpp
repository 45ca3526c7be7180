#include "platform/Files.h"

#include "platform/SystemErrorText.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

std::string Reason(const std::string& What, const std::string& Path, int Code) {
    return What + " " + Path + "：" + SystemErrorText(Code);
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

constexpr std::size_t ReadChunk = std::size_t{1} << 16;

// Reads until the end of the file or until more than Limit bytes have come, whichever is
// first. False with errno set when a read fails.
bool ReadUpTo(int Fd, std::size_t Limit, std::string& Bytes) {
    constexpr std::size_t Chunk = ReadChunk;
    for (;;) {
        const std::size_t Old = Bytes.size();
        if (Old > Limit) {
            return true;
        }
        Bytes.resize(Old + Chunk);
        const ssize_t Got = ::read(Fd, Bytes.data() + Old, Chunk);
        if (Got < 0) {
            Bytes.resize(Old);
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        Bytes.resize(Old + static_cast<std::size_t>(Got));
        if (Got == 0) {
            return true;
        }
    }
}

} // namespace

bool ReadWholeFile(const std::string& Path, std::string& Bytes, std::string& Error) {
    Bytes.clear();
    // Non-blocking, so that a FIFO under the name opens at once instead of waiting for a
    // writer; the type check below then refuses it.
    const int Fd = ::open(Path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (Fd < 0) {
        Error = Reason("无法打开文件", Path, errno);
        return false;
    }
    struct stat Info {};
    bool Ok = false;
    if (::fstat(Fd, &Info) != 0) {
        Error = Reason("无法读取文件", Path, errno);
    } else if (!S_ISREG(Info.st_mode)) {
        Error = "无法读取文件 " + Path + "：它不是普通文件";
    } else if (static_cast<std::uintmax_t>(Info.st_size) > MaxDataFileBytes) {
        Error = "无法读取文件 " + Path + "：文件超过 64 MiB 的上限";
    } else {
        // Room for the whole file and the last read's chunk, so that the buffer never grows
        // by copying.
        Bytes.reserve(static_cast<std::size_t>(Info.st_size) + ReadChunk);
        if (!ReadUpTo(Fd, MaxDataFileBytes, Bytes)) {
            Error = Reason("无法读取文件", Path, errno);
        } else if (Bytes.size() > MaxDataFileBytes) {
            // The file grew while it was read.
            Error = "无法读取文件 " + Path + "：文件超过 64 MiB 的上限";
        } else {
            Ok = true;
        }
    }
    ::close(Fd);
    if (!Ok) {
        Bytes.clear();
        Bytes.shrink_to_fit();
    }
    return Ok;
}

bool PathExists(const std::string& Path) {
    struct stat Info {};
    return ::lstat(Path.c_str(), &Info) == 0;
}

std::string SaveTarget(const std::string& Path) {
    struct stat Link {};
    if (::lstat(Path.c_str(), &Link) != 0 || !S_ISLNK(Link.st_mode)) {
        return Path;
    }
    char Resolved[PATH_MAX];
    if (::realpath(Path.c_str(), Resolved) == nullptr) {
        return {};
    }
    return Resolved;
}

bool WriteFileAtomically(const std::string& Path, std::string_view Bytes, std::string& Error) {
    if (Bytes.size() > MaxDataFileBytes) {
        Error = "无法写入文件 " + Path + "：内容超过 64 MiB 的上限";
        return false;
    }
    const std::string Target = SaveTarget(Path);
    if (Target.empty()) {
        Error = "无法写入文件 " + Path + "：它是一个指向不存在位置的符号链接";
        return false;
    }
    struct stat Old {};
    const bool Exists = ::stat(Target.c_str(), &Old) == 0;
    if (Exists && !S_ISREG(Old.st_mode)) {
        Error = "无法写入文件 " + Path + "：它不是普通文件";
        return false;
    }
    // A file marked read-only stays as it is, also for a user (root) whom the system would
    // let write it anyway: replacing it by rename would go round its mode.
    if (Exists && ((Old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
                   ::access(Target.c_str(), W_OK) != 0)) {
        Error = Reason("无法写入文件", Path, EACCES);
        return false;
    }
    std::string Temporary = Target + ".tmp-XXXXXX";
    const int Fd = ::mkostemp(Temporary.data(), O_CLOEXEC);
    if (Fd < 0) {
        Error = Reason("无法写入文件", Path, errno);
        return false;
    }
    const mode_t Mode = Exists ? (Old.st_mode & 07777) : 0644;
    int Failure = 0;
    if (::fchmod(Fd, Mode) != 0 || !WriteAll(Fd, Bytes) || ::fsync(Fd) != 0) {
        Failure = errno;
    }
    if (::close(Fd) != 0 && Failure == 0) {
        Failure = errno;
    }
    if (Failure == 0 && ::rename(Temporary.c_str(), Target.c_str()) != 0) {
        Failure = errno;
    }
    if (Failure != 0) {
        ::unlink(Temporary.c_str());
        Error = Reason("无法写入文件", Path, Failure);
        return false;
    }
    SyncFolder(FolderOf(Target));
    return true;
}

} // namespace platform
