#pragma once

// One sync as the calendar window and ruxa-cal --sync run it: the account's collection found
// (and remembered in the sync state, so that later syncs ask the server nothing more), then
// the sync run. Blocking: the window runs it on a worker thread.

#include "sync/SyncAccount.h"
#include "sync/SyncRun.h"

#include <functional>
#include <string>

namespace notesync {

struct TSessionSetting {
    TSyncAccount Account;
    std::string Password; // empty for a server that asks for none
    std::string StateFile;
    bool DeletionsConfirmed = false;
    std::function<bool()> Cancelled;
};

TSyncReport SyncWithAccount(TSyncStore& Store, const TSessionSetting& Setting);

// The collection the account's address leads to, without syncing: for the settings page's
// connection test. CollectionUrl is empty (and Status Ok) when the server has no calendar
// this program could use; then CreateCollection makes one.
TFoundCollection FindCollection(const TSyncAccount& Account, const std::string& Password);

// Makes the collection (MKCALENDAR, display name CollectionName): at the account's address
// when that is inside the calendar home, else in the home as "ruxa-notes/".
TFoundCollection CreateCollection(const TSyncAccount& Account, const std::string& Password);

} // namespace notesync
