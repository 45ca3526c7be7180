#include "sync/SyncRun.h"

#include "calendar/UDateTime.h"
#include "platform/Clock.h"
#include "sync/DavUrl.h"
#include "sync/IcalLines.h"

#include <map>
#include <set>

namespace notesync {

namespace {

constexpr int MaxRounds = 4;
constexpr int SaveEvery = 200;

// A remote event that changed or is new since the last sync, fetched.
struct TRemoteChange {
    std::string Href; // path
    std::string Etag;
    std::string Ical;
    std::string Fingerprint;
};

enum class TPushKind { Create, Update, Delete };

struct TPush {
    TPushKind Kind;
    std::string Key;
    std::string Href; // path; empty for a create at the key's own address
    std::string Etag;
    std::string Ical;
    std::string Fingerprint;
    std::string RemoteUid;
};

class TRun {
public:
    TRun(TDavClient& Dav, TSyncStore& Store, const TSyncSetting& Setting)
        : FDav(Dav), FStore(Store), FSetting(Setting) {}

    TSyncReport Run();

private:
    // One round; Again is set when another round is needed (a 412, conflict copies to send).
    bool Round(bool& Again);
    bool ReadRemote(std::map<std::string, TRemoteChange>& Changed, std::set<std::string>& Gone,
                    std::string& Token);
    void Plan(const std::vector<TLocalItem>& Local,
              const std::map<std::string, TRemoteChange>& Changed,
              const std::set<std::string>& Gone, TLocalChanges& Changes,
              std::vector<TPush>& Pushes);
    // False when the run must stop (the fault is in the report).
    bool Send(const TPush& Push, bool& Again);
    bool Fail(TFaultKind Kind, const std::string& Text);
    bool SaveState();
    bool StopAsked() const { return FSetting.Cancelled && FSetting.Cancelled(); }

    TDavClient& FDav;
    TSyncStore& FStore;
    const TSyncSetting& FSetting;
    TSyncState FState;
    TSyncReport FReport;
    bool FWholeListing = false;
};

bool TRun::Fail(TFaultKind Kind, const std::string& Text) {
    FReport.Outcome = TSyncOutcome::Failed;
    FReport.Fault = {Kind, 0, Text};
    return false;
}

bool TRun::SaveState() {
    std::string Error;
    return WriteSyncState(FSetting.StateFile, FState, Error) || Fail(TFaultKind::Local, Error);
}

bool TRun::ReadRemote(std::map<std::string, TRemoteChange>& Changed, std::set<std::string>& Gone,
                      std::string& Token) {
    TListing Listing;
    bool Whole = FWholeListing || FState.SyncToken.empty();
    if (!Whole) {
        Listing = FDav.ChangesSince(FSetting.CollectionUrl, FState.SyncToken);
        Whole = Listing.TokenRefused;
    }
    if (Whole) {
        Listing = FDav.ListAll(FSetting.CollectionUrl);
    }
    if (!Listing.Status.Ok()) {
        FReport.Outcome = TSyncOutcome::Failed;
        FReport.Fault = Listing.Status;
        return false;
    }
    if (Whole && Listing.Members.empty() && !FState.Entries.empty()) {
        return Fail(TFaultKind::Server, "服务器上的日历是空的，本地便签未作任何改动");
    }
    Token = Listing.SyncToken;

    std::map<std::string, std::string> KeyOfHref;
    for (const auto& [Key, Entry] : FState.Entries) {
        KeyOfHref[Entry.Href] = Key;
    }
    std::set<std::string> Present;
    std::vector<std::string> ToFetch;
    for (const TDavEntry& Member : Listing.Members) {
        const std::string Href = PathOf(ResolveHref(FSetting.CollectionUrl, Member.Href));
        const auto Known = KeyOfHref.find(Href);
        if (Member.Status == 404) {
            if (Known != KeyOfHref.end()) {
                Gone.insert(Known->second);
            }
            continue;
        }
        Present.insert(Href);
        if (Known == KeyOfHref.end() || FState.Entries[Known->second].Etag != Member.Etag ||
            Member.Etag.empty()) {
            ToFetch.push_back(Member.Href);
        }
    }
    if (Whole) {
        for (const auto& [Href, Key] : KeyOfHref) {
            if (!Present.contains(Href)) {
                Gone.insert(Key);
            }
        }
    }
    if (ToFetch.empty()) {
        return true;
    }
    const TFetched Fetched = FDav.Fetch(FSetting.CollectionUrl, ToFetch);
    if (!Fetched.Status.Ok()) {
        FReport.Outcome = TSyncOutcome::Failed;
        FReport.Fault = Fetched.Status;
        return false;
    }
    for (const TDavEntry& Item : Fetched.Items) {
        const std::string Href = PathOf(ResolveHref(FSetting.CollectionUrl, Item.Href));
        const TAccepted Accepted = FStore.Accept(Item.CalendarData);
        const auto Known = KeyOfHref.find(Href);
        const std::string Key = Known != KeyOfHref.end() ? Known->second : Accepted.Key;
        if (Key.empty()) {
            continue; // not an event this side can hold
        }
        Gone.erase(Key);
        const auto Sent = FState.Sending.find(Key);
        if (Sent != FState.Sending.end() && Sent->second == Accepted.Fingerprint) {
            // This side's own write, which a killed sync sent but never recorded.
            const std::string Uid = UidOf(Item.CalendarData);
            FState.Entries[Key] = {Href, Item.Etag, Accepted.Fingerprint,
                                   Uid == Key ? std::string() : Uid};
            continue;
        }
        Changed[Key] = {Href, Item.Etag, Item.CalendarData, Accepted.Fingerprint};
    }
    return true;
}

void TRun::Plan(const std::vector<TLocalItem>& Local,
                const std::map<std::string, TRemoteChange>& Changed,
                const std::set<std::string>& Gone, TLocalChanges& Changes,
                std::vector<TPush>& Pushes) {
    std::map<std::string, const TLocalItem*> LocalByKey;
    std::set<std::string> Keys;
    for (const TLocalItem& Item : Local) {
        LocalByKey[Item.Key] = &Item;
        Keys.insert(Item.Key);
    }
    for (const auto& [Key, Entry] : FState.Entries) {
        Keys.insert(Key);
    }
    for (const auto& [Key, Change] : Changed) {
        Keys.insert(Key);
    }
    const auto Record = [&](const std::string& Key, const TRemoteChange& Change) {
        const std::string Uid = UidOf(Change.Ical);
        FState.Entries[Key] = {Change.Href, Change.Etag, Change.Fingerprint,
                               Uid == Key ? std::string() : Uid};
    };
    const auto TakeIn = [&](const std::string& Key, const TRemoteChange& Change) {
        Changes.Incoming.push_back({Key, Change.Ical, false});
        Record(Key, Change);
        ++FReport.Received;
    };
    const auto Conflict = [&](const TLocalItem& Mine, const TRemoteChange& Theirs,
                              const TBaseEntry* Base) {
        ++FReport.Conflicts;
        if (Mine.Modified >= ModifiedOf(Theirs.Ical)) {
            Changes.Incoming.push_back({Mine.Key, Theirs.Ical, true});
            const std::string Uid = UidOf(Theirs.Ical);
            Pushes.push_back({TPushKind::Update, Mine.Key, Theirs.Href, Theirs.Etag, Mine.Ical,
                              Mine.Fingerprint, Uid == Mine.Key ? std::string() : Uid});
        } else {
            Changes.CopiedFirst.push_back(Mine.Key);
            Changes.Incoming.push_back({Mine.Key, Theirs.Ical, false});
            Record(Mine.Key, Theirs);
        }
        (void)Base;
    };

    for (const std::string& Key : Keys) {
        const auto L = LocalByKey.find(Key);
        const TLocalItem* Mine = L == LocalByKey.end() ? nullptr : L->second;
        const auto B = FState.Entries.find(Key);
        const TBaseEntry* Base = B == FState.Entries.end() ? nullptr : &B->second;
        const auto C = Changed.find(Key);
        const TRemoteChange* Theirs = C == Changed.end() ? nullptr : &C->second;
        const bool RemoteGone = Gone.contains(Key);

        if (Base == nullptr) {
            if (Mine != nullptr && Theirs != nullptr) {
                if (Mine->Fingerprint == Theirs->Fingerprint) {
                    Record(Key, *Theirs);
                } else {
                    Conflict(*Mine, *Theirs, nullptr);
                }
            } else if (Mine != nullptr) {
                Pushes.push_back(
                    {TPushKind::Create, Key, "", "", Mine->Ical, Mine->Fingerprint, ""});
            } else if (Theirs != nullptr) {
                TakeIn(Key, *Theirs);
            }
            continue;
        }
        if (Mine == nullptr) { // deleted here
            if (Theirs != nullptr) {
                TakeIn(Key, *Theirs); // changed there since: kept
            } else if (RemoteGone) {
                FState.Entries.erase(Key);
            } else {
                Pushes.push_back({TPushKind::Delete, Key, Base->Href, Base->Etag, "", "", ""});
            }
        } else if (Mine->Fingerprint == Base->Fingerprint) { // unchanged here
            if (Theirs != nullptr) {
                if (Theirs->Fingerprint != Mine->Fingerprint) {
                    TakeIn(Key, *Theirs);
                } else {
                    Record(Key, *Theirs);
                }
            } else if (RemoteGone) {
                Changes.Removed.push_back(Key);
                FState.Entries.erase(Key);
                ++FReport.WouldDelete;
            }
        } else { // changed here
            if (Theirs != nullptr) {
                if (Theirs->Fingerprint == Mine->Fingerprint) {
                    Record(Key, *Theirs);
                } else {
                    Conflict(*Mine, *Theirs, Base);
                }
            } else if (RemoteGone) {
                FState.Entries.erase(Key); // deleted there, changed here: sent again
                Pushes.push_back(
                    {TPushKind::Create, Key, "", "", Mine->Ical, Mine->Fingerprint, ""});
            } else {
                Pushes.push_back({TPushKind::Update, Key, Base->Href, Base->Etag, Mine->Ical,
                                  Mine->Fingerprint, Base->RemoteUid});
            }
        }
    }
}

bool TRun::Send(const TPush& Push, bool& Again) {
    const std::string Url = Push.Kind == TPushKind::Create
                                ? FSetting.CollectionUrl + Push.Key + ".ics"
                                : ResolveHref(FSetting.CollectionUrl, Push.Href);
    if (Push.Kind == TPushKind::Delete) {
        const TDavStatus Status = FDav.Delete(Url, Push.Etag);
        if (Status.Ok() || Status.Kind == TFaultKind::NotFound) {
            FState.Entries.erase(Push.Key);
            ++FReport.Deleted;
            return true;
        }
        if (Status.Kind == TFaultKind::Changed) {
            Again = FWholeListing = true;
            return true;
        }
        FReport.Outcome = TSyncOutcome::Failed;
        FReport.Fault = Status;
        return false;
    }
    const std::string Ical =
        Push.RemoteUid.empty() ? Push.Ical : WithUid(Push.Ical, Push.RemoteUid);
    const TWritten Written = FDav.Put(Url, Ical, Push.Kind == TPushKind::Create ? "" : Push.Etag);
    if (Written.Status.Ok()) {
        FState.Entries[Push.Key] = {PathOf(Url), Written.Etag, Push.Fingerprint, Push.RemoteUid};
        ++FReport.Sent;
        return true;
    }
    if (Written.Status.Kind == TFaultKind::Changed || Written.Status.Kind == TFaultKind::NotFound) {
        Again = FWholeListing = true;
        return true;
    }
    FReport.Outcome = TSyncOutcome::Failed;
    FReport.Fault = Written.Status;
    return false;
}

bool TRun::Round(bool& Again) {
    std::map<std::string, TRemoteChange> Changed;
    std::set<std::string> Gone;
    std::string Token;
    const bool Whole = FWholeListing;
    FWholeListing = false;
    if (!ReadRemote(Changed, Gone, Token)) {
        return false;
    }
    std::vector<TLocalItem> Local;
    std::string Error;
    if (!FStore.Items(Local, Error)) {
        return Fail(TFaultKind::Local, Error);
    }
    const TSyncState Before = FState;
    TLocalChanges Changes;
    std::vector<TPush> Pushes;
    Plan(Local, Changed, Gone, Changes, Pushes);
    if (FReport.WouldDelete > 1 && !FSetting.DeletionsConfirmed &&
        static_cast<std::size_t>(FReport.WouldDelete) * 10 > FStore.NoteCount()) {
        FState = Before;
        FReport.Outcome = TSyncOutcome::NeedsConfirmation;
        return false;
    }
    FReport.Deleted += static_cast<int>(Changes.Removed.size());
    if (!Changes.Empty() && !FStore.Apply(Changes, Error)) {
        FState = Before;
        return Fail(TFaultKind::Local, Error);
    }
    if (!Token.empty()) {
        FState.SyncToken = Token;
    } else if (Whole) {
        FState.SyncToken.clear();
    }
    FState.Sending.clear();
    for (const TPush& Push : Pushes) {
        if (Push.Kind != TPushKind::Delete) {
            FState.Sending[Push.Key] = Push.Fingerprint;
        }
    }
    if (!SaveState()) {
        return false;
    }
    Again = std::any_of(Changes.Incoming.begin(), Changes.Incoming.end(),
                        [](const TIncoming& In) { return In.Copy; }) ||
            !Changes.CopiedFirst.empty();
    int Unsaved = 0;
    for (const TPush& Push : Pushes) {
        if (StopAsked()) {
            SaveState();
            return Fail(TFaultKind::Network, "同步已中止");
        }
        if (!Send(Push, Again)) {
            SaveState();
            return false;
        }
        if (++Unsaved == SaveEvery) {
            Unsaved = 0;
            if (!SaveState()) {
                return false;
            }
        }
    }
    // The token read before these writes does not cover them: one more round reads them back
    // (their ETags match, so nothing is fetched) and takes the token that does, so that the
    // next sync's token says what the collection held after this one.
    Again = Again || !Pushes.empty();
    return SaveState();
}

TSyncReport TRun::Run() {
    std::string Error;
    const auto Read = ReadSyncState(FSetting.StateFile, Error);
    if (!Read) {
        Fail(TFaultKind::Local, Error);
        return FReport;
    }
    FState = *Read;
    if (FState.CollectionUrl != FSetting.CollectionUrl) {
        FState = TSyncState{};
        FState.CollectionUrl = FSetting.CollectionUrl;
    }
    FState.Server = FSetting.Server;
    bool Again = true;
    for (int Round = 0; Again && Round < MaxRounds; ++Round) {
        Again = false;
        if (!this->Round(Again)) {
            break;
        }
    }
    if (FReport.Outcome != TSyncOutcome::NeedsConfirmation) {
        FState.LastTime = FormatDateTime("yyyy-mm-dd hh:nn", platform::Now());
        FState.LastResult = FReport.Summary();
        WriteSyncState(FSetting.StateFile, FState, Error);
    }
    return FReport;
}

} // namespace

std::string TSyncReport::Summary() const {
    switch (Outcome) {
    case TSyncOutcome::Done:
        return "同步完成：发送 " + std::to_string(Sent) + "，接收 " + std::to_string(Received) +
               "，删除 " + std::to_string(Deleted) + "，冲突 " + std::to_string(Conflicts);
    case TSyncOutcome::NeedsConfirmation:
        return "同步将删除 " + std::to_string(WouldDelete) +
               " 条便签，超过便签的十分之一，需要确认";
    case TSyncOutcome::Failed:
        break;
    }
    return "同步失败：" + Fault.Text;
}

TSyncReport RunSync(TDavClient& Dav, TSyncStore& Store, const TSyncSetting& Setting) {
    return TRun(Dav, Store, Setting).Run();
}

} // namespace notesync
