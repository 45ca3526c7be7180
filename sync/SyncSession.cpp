#include "sync/SyncSession.h"

#include "sync/DavUrl.h"

namespace notesync {

namespace {

platform::THttpLogin LoginOf(const TSyncAccount& Account, const std::string& Password) {
    return {Account.User, Password};
}

} // namespace

TFoundCollection FindCollection(const TSyncAccount& Account, const std::string& Password) {
    platform::THttpClient Http(LoginOf(Account, Password));
    return TDavClient(Http).Discover(Account.Server, CollectionName);
}

TFoundCollection CreateCollection(const TSyncAccount& Account, const std::string& Password) {
    platform::THttpClient Http(LoginOf(Account, Password));
    TDavClient Dav(Http);
    TFoundCollection Found = Dav.Discover(Account.Server, CollectionName);
    if (!Found.Status.Ok() && Found.Status.Kind != TFaultKind::NotFound) {
        return Found;
    }
    if (!Found.CollectionUrl.empty() && Found.DisplayName == CollectionName) {
        return Found;
    }
    const std::string Address = WithTrailingSlash(Account.Server);
    const bool InsideHome =
        !Found.HomeUrl.empty() && Address.starts_with(Found.HomeUrl) && Address != Found.HomeUrl;
    const std::string Target =
        InsideHome || Found.HomeUrl.empty() ? Address : Found.HomeUrl + "ruxa-notes/";
    Found.Status = Dav.MakeCalendar(Target, CollectionName);
    if (Found.Status.Ok()) {
        Found.CollectionUrl = Target;
        Found.DisplayName = CollectionName;
    }
    return Found;
}

TSyncReport SyncWithAccount(TSyncStore& Store, const TSessionSetting& Setting) {
    TSyncReport Report;
    if (!Setting.Account.Configured()) {
        Report.Outcome = TSyncOutcome::Failed;
        Report.Fault = {TFaultKind::Local, 0, "尚未设置同步服务器"};
        return Report;
    }
    platform::THttpClient Http(LoginOf(Setting.Account, Setting.Password));
    TDavClient Dav(Http);
    std::string Error;
    const auto State = ReadSyncState(Setting.StateFile, Error);
    std::string Collection;
    if (State && State->Server == Setting.Account.Server && !State->CollectionUrl.empty()) {
        Collection = State->CollectionUrl;
    } else {
        const TFoundCollection Found = Dav.Discover(Setting.Account.Server, CollectionName);
        if (!Found.Status.Ok() || Found.CollectionUrl.empty()) {
            Report.Outcome = TSyncOutcome::Failed;
            Report.Fault =
                Found.Status.Ok()
                    ? TDavStatus{TFaultKind::NotFound, 0,
                                 std::string(
                                     "服务器上没有可用的日历，请在便签设置的“同步”页创建“") +
                                     CollectionName + "”"}
                    : Found.Status;
            return Report;
        }
        Collection = Found.CollectionUrl;
    }
    return RunSync(Dav, Store,
                   {Collection, Setting.StateFile, Setting.DeletionsConfirmed, Setting.Cancelled,
                    Setting.Account.Server});
}

} // namespace notesync
