#include "sync/SyncAccount.h"

#include "platform/Files.h"
#include "platform/ProfileFile.h"

namespace notesync {

TSyncAccount ReadSyncAccount(const std::string& SettingsFile) {
    std::string Bytes;
    std::string Error;
    if (!platform::ReadWholeFile(SettingsFile, Bytes, Error)) {
        return {};
    }
    return {platform::FindProfileValue(Bytes, "Sync", "Server").value_or(""),
            platform::FindProfileValue(Bytes, "Sync", "User").value_or("")};
}

bool WriteSyncAccount(const std::string& SettingsFile, const TSyncAccount& Account,
                      std::string& Error) {
    const bool Written =
        platform::WriteProfileString(SettingsFile, "Sync", "Server", Account.Server) &&
        platform::WriteProfileString(SettingsFile, "Sync", "User", Account.User);
    if (!Written) {
        Error = "无法写入设置文件：" + SettingsFile;
    }
    return Written;
}

} // namespace notesync
