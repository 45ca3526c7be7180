#pragma once

// The account the notes sync uses: section "Sync" of the settings file Config.ini, keys
// "Server" (the collection's address, or a server's address the collection is found from)
// and "User". The password is never here: it lives in the Secret Service
// (platform/net/SecretStore.h).

#include <string>

namespace notesync {

struct TSyncAccount {
    std::string Server;
    std::string User;

    bool Configured() const { return !Server.empty(); }
    friend bool operator==(const TSyncAccount&, const TSyncAccount&) = default;
};

// The display name of the collection this program makes, and looks for first.
inline constexpr const char* CollectionName = "万年历便签";

// Empty fields for what the file lacks (no file: no account).
TSyncAccount ReadSyncAccount(const std::string& SettingsFile);

// Writes both keys, each crash-safely under the file's save lock. False with the reason.
bool WriteSyncAccount(const std::string& SettingsFile, const TSyncAccount& Account,
                      std::string& Error);

} // namespace notesync
