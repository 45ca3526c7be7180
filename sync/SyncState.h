#pragma once

// What the last sync left behind, kept in the data folder (Sync.state): the collection, its
// sync-token and, for every event both sides held then, its address, ETag and the local
// fingerprint it had. A local change is whatever differs from it, so nothing waits in memory:
// a change made offline, or one a killed sync never sent, is found again at the next sync.

#include <map>
#include <optional>
#include <string>

namespace notesync {

struct TBaseEntry {
    std::string Href;
    std::string Etag;
    std::string Fingerprint;
    // The event's UID on the server, when it differs from the local key (an event another
    // client made).
    std::string RemoteUid;

    friend bool operator==(const TBaseEntry&, const TBaseEntry&) = default;
};

struct TSyncState {
    // The account's address the collection was found from, and the collection.
    std::string Server;
    std::string CollectionUrl;
    std::string SyncToken;
    // By local key.
    std::map<std::string, TBaseEntry> Entries;
    // The fingerprints of the writes a sync was sending, by key: written before they go, so
    // that after a kill the server's copy of such a write is known as this side's own, not
    // taken for somebody else's change.
    std::map<std::string, std::string> Sending;
    // The last sync's time ("yyyy-mm-dd hh:nn") and one-line result, for the settings page.
    std::string LastTime;
    std::string LastResult;

    friend bool operator==(const TSyncState&, const TSyncState&) = default;
};

// The state file's full path in the data folder.
std::string SyncStateFileName();

// A missing file is an empty state. Nothing, with the reason in Error, when the file exists but
// cannot be read or does not read as a state file.
std::optional<TSyncState> ReadSyncState(const std::string& FileName, std::string& Error);

// Crash-safe: a kill at any moment leaves the old or the new state.
bool WriteSyncState(const std::string& FileName, const TSyncState& State, std::string& Error);

} // namespace notesync
