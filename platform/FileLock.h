#pragma once

// An advisory, exclusive lock on a lock file. The kernel releases it when the holder's
// process ends in any way, so a lock left by a killed process never blocks anyone.

#include <chrono>
#include <optional>
#include <string>

namespace platform {

class TFileLock {
public:
    enum class TWait { UntilFree, Briefly, No };

    // How long Briefly waits: long enough for another process's save to end, short enough
    // for a window that waits on it to stay usable.
    static constexpr std::chrono::milliseconds BriefWait{2000};

    // Opens (creating it when missing) the lock file at Path and takes the lock: waits for
    // it with UntilFree, up to BriefWait with Briefly, gives up at once with No. Empty when
    // the file cannot be opened or when another process still holds the lock after the wait
    // (Held then true); Error then says why.
    static std::optional<TFileLock> Take(const std::string& Path, TWait Wait, std::string& Error);
    static std::optional<TFileLock> Take(const std::string& Path, TWait Wait, std::string& Error,
                                         bool& Held);

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
