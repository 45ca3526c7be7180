#pragma once

// One sync of a store with a CalDAV collection: the server's changes since the last sync
// (by its sync-token, or by comparing ETags when it has none or refuses the old one) are taken
// in, the local changes since then are sent with If-None-Match / If-Match, and what both sides
// changed is merged: the newer stays, the other becomes a conflict copy. A write refused with
// 412 starts another round. Nothing is ever deleted locally because the collection is empty
// or cannot be reached, and a run that would delete more than a tenth of the notes (and more
// than one) stops before changing anything unless that was confirmed.

#include "sync/DavClient.h"
#include "sync/SyncState.h"
#include "sync/SyncStore.h"

#include <functional>
#include <string>

namespace notesync {

enum class TSyncOutcome {
    Done,
    Failed,           // Fault says why (Kind: Network, Login, Server)
    NeedsConfirmation // would delete too many notes; nothing was changed
};

struct TSyncReport {
    TSyncOutcome Outcome = TSyncOutcome::Done;
    TDavStatus Fault;
    int Sent = 0;      // events created or changed on the server
    int Received = 0;  // events taken in
    int Deleted = 0;   // deletions, on either side
    int Conflicts = 0; // conflict copies made
    int WouldDelete = 0;

    // "同步完成：发送 3，接收 2，删除 0，冲突 0" or the reason of a failure.
    std::string Summary() const;
};

struct TSyncSetting {
    std::string CollectionUrl;
    std::string StateFile;
    bool DeletionsConfirmed = false;
    // Asked between requests; true stops the run at the next safe point (Failed, Network).
    std::function<bool()> Cancelled;
    // The account's address the collection was found from, kept in the state.
    std::string Server;
};

TSyncReport RunSync(TDavClient& Dav, TSyncStore& Store, const TSyncSetting& Setting);

} // namespace notesync
