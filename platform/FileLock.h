#pragma once

// An advisory, exclusive lock on a lock file. The kernel releases it when the holder's
// process ends in any way, so a lock left by a killed process never blocks anyone.

#include <optional>
#include <string>

namespace platform {

class TFileLock {
public:
    enum class TWait { UntilFree, No };

    // Opens (creating it when missing) the lock file at Path and takes the lock: waits for
    // it with UntilFree, gives up at once with No. Empty when the file cannot be opened
    // or, with No, when another process holds the lock; Error then says why.
    static std::optional<TFileLock> Take(const std::string& Path, TWait Wait, std::string& Error);

    TFileLock(TFileLock&& Other) noexcept;
    TFileLock& operator=(TFileLock&& Other) noexcept;
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;
    ~TFileLock();

private:
    explicit TFileLock(int Fd) : FFd(Fd) {}
    void Release();

    int FFd = -1;
};

} // namespace platform
