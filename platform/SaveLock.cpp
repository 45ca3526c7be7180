#include "platform/SaveLock.h"

#include "platform/Files.h"

#include <filesystem>
#include <system_error>

namespace platform {
namespace {

void RemoveStaleTemporaries(const std::string& Target) {
    const std::filesystem::path File(Target);
    const std::string Prefix = File.filename().string() + ".tmp-";
    std::error_code Failure;
    std::filesystem::directory_iterator Entries(File.parent_path(), Failure);
    for (; !Failure && Entries != std::filesystem::directory_iterator();
         Entries.increment(Failure)) {
        const std::string Name = Entries->path().filename().string();
        if (Name.size() > Prefix.size() && Name.compare(0, Prefix.size(), Prefix) == 0 &&
            Entries->is_regular_file(Failure)) {
            std::error_code Ignored;
            std::filesystem::remove(Entries->path(), Ignored);
        }
    }
}

} // namespace

std::optional<TFileLock> LockForSaving(const std::string& Path, std::string& Error) {
    bool Held = false;
    return LockForSaving(Path, Error, Held);
}

std::optional<TFileLock> LockForSaving(const std::string& Path, std::string& Error, bool& Held) {
    const std::string LockFile = Path + ".lock";
    std::string Unused;
    std::optional<TFileLock> Lock =
        TFileLock::Take(LockFile, TFileLock::TWait::Briefly, Unused, Held);
    if (!Lock) {
        Error = Held ? "文件 " + Path + " 正被另一个程序使用（等了 " +
                           std::to_string(TFileLock::BriefWait.count() / 1000) +
                           " 秒仍未用完），这次没有保存，请稍后再试"
                     : "无法锁定文件 " + Path + "：无法建立锁文件 " + LockFile;
        return std::nullopt;
    }
    const std::string Target = SaveTarget(Path);
    if (!Target.empty()) {
        RemoveStaleTemporaries(Target);
    }
    return Lock;
}

} // namespace platform
