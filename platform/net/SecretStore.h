#pragma once

// The sync password in the desktop's Secret Service (the login keyring), keyed by server and
// user: never written to a file of ours. Calls block on the session bus; a window calls them
// from its sync worker.

#include <optional>
#include <string>

namespace platform {

struct TSecretKey {
    std::string Server;
    std::string User;
};

// The stored password; nothing when none is stored. Error holds the reason when the Secret
// Service could not be asked (no session bus, no service, a locked keyring that stayed locked).
std::optional<std::string> LookupPassword(const TSecretKey& Key, std::string& Error);

// Stores (or replaces) the password. False with the reason in Error.
bool StorePassword(const TSecretKey& Key, const std::string& Password, std::string& Error);

// Removes a stored password; true when there is none afterwards.
bool ClearPassword(const TSecretKey& Key, std::string& Error);

} // namespace platform
