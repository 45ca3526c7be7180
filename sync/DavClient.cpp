#include "sync/DavClient.h"

#include "sync/DavUrl.h"

#include <algorithm>

namespace notesync {

namespace {

constexpr std::size_t FetchBatch = 400;

bool IsEvent(const TDavEntry& Entry, const std::string& CollectionUrl) {
    return !Entry.IsCollection && WithTrailingSlash(ResolveHref(CollectionUrl, Entry.Href)) !=
                                      WithTrailingSlash(CollectionUrl);
}

} // namespace

TDavStatus StatusOf(const platform::THttpResponse& Response, const std::string& Action) {
    TDavStatus Status;
    Status.Http = Response.Status;
    if (Response.Status == 0) {
        Status.Kind = TFaultKind::Network;
        Status.Text = "无法连接服务器（" + Action + "）：" + Response.Error;
    } else if (Response.Status >= 200 && Response.Status < 300) {
        return Status;
    } else if (Response.Status == 401 || Response.Status == 403) {
        Status.Kind = TFaultKind::Login;
        Status.Text = "服务器拒绝登录（" + Action + "），请检查用户名和密码";
    } else if (Response.Status == 412) {
        Status.Kind = TFaultKind::Changed;
        Status.Text = "服务器上的便签已被他处修改（" + Action + "）";
    } else if (Response.Status == 404 || Response.Status == 410) {
        Status.Kind = TFaultKind::NotFound;
        Status.Text = "服务器上找不到（" + Action + "）";
    } else {
        Status.Kind = TFaultKind::Server;
        Status.Text = "服务器出错（" + Action + "）：HTTP " + std::to_string(Response.Status);
    }
    return Status;
}

platform::THttpResponse TDavClient::Send(platform::THttpRequest Request) {
    for (int Hop = 0;; ++Hop) {
        platform::THttpResponse Response = FHttp.Send(Request);
        const bool Redirect = Response.Status == 301 || Response.Status == 302 ||
                              Response.Status == 303 || Response.Status == 307 ||
                              Response.Status == 308;
        const std::string Location = Response.Header("location");
        if (!Redirect || Location.empty() || Hop == 5) {
            return Response;
        }
        Request.Url = ResolveHref(Request.Url, Location);
    }
}

platform::THttpResponse TDavClient::Propfind(const std::string& Url, int Depth,
                                             const std::string& Body) {
    return Send(
        {"PROPFIND",
         Url,
         {{"Depth", std::to_string(Depth)}, {"Content-Type", "application/xml; charset=utf-8"}},
         Body});
}

TFoundCollection TDavClient::Discover(const std::string& Url, const std::string& PreferredName) {
    TFoundCollection Found;
    const auto Ask = [&](const std::string& Where, int Depth) -> std::optional<TMultistatus> {
        const platform::THttpResponse Response = Propfind(Where, Depth, DiscoveryPropfind());
        Found.Status = StatusOf(Response, "查找日历");
        if (!Found.Status.Ok()) {
            return std::nullopt;
        }
        auto Answer = ParseMultistatus(Response.Body);
        if (!Answer) {
            Found.Status = {TFaultKind::Server, Response.Status,
                            "服务器的回答无法读懂（查找日历）"};
        }
        return Answer;
    };
    auto Here = Ask(Url, 0);
    if (!Here &&
        (Found.Status.Kind == TFaultKind::Network || Found.Status.Kind == TFaultKind::Login)) {
        return Found;
    }
    std::string Principal;
    if (Here && !Here->Entries.empty()) {
        const TDavEntry& Entry = Here->Entries.front();
        if (Entry.IsCalendar) {
            Found.CollectionUrl = WithTrailingSlash(Url);
            Found.DisplayName = Entry.DisplayName;
            return Found;
        }
        Principal = Entry.PrincipalHref;
        if (!Entry.CalendarHomeHref.empty()) {
            Found.HomeUrl = ResolveHref(Url, Entry.CalendarHomeHref);
        }
    }
    if (Principal.empty() && Found.HomeUrl.empty()) {
        const std::string WellKnown = OriginOf(Url) + "/.well-known/caldav";
        auto Known = Ask(WellKnown, 0);
        if (!Known || Known->Entries.empty() || Known->Entries.front().PrincipalHref.empty()) {
            if (Found.Status.Ok()) {
                Found.Status = {TFaultKind::NotFound, 0, "在此地址找不到日历服务"};
            }
            return Found;
        }
        Principal = ResolveHref(WellKnown, Known->Entries.front().PrincipalHref);
    }
    if (Found.HomeUrl.empty()) {
        const std::string PrincipalUrl = ResolveHref(Url, Principal);
        auto Person = Ask(PrincipalUrl, 0);
        if (!Person || Person->Entries.empty() ||
            Person->Entries.front().CalendarHomeHref.empty()) {
            if (Found.Status.Ok()) {
                Found.Status = {TFaultKind::NotFound, 0, "找不到此用户的日历目录"};
            }
            return Found;
        }
        Found.HomeUrl = ResolveHref(PrincipalUrl, Person->Entries.front().CalendarHomeHref);
    }
    auto Home = Ask(Found.HomeUrl, 1);
    if (!Home) {
        return Found;
    }
    std::vector<const TDavEntry*> Calendars;
    for (const TDavEntry& Entry : Home->Entries) {
        if (Entry.IsCalendar) {
            Calendars.push_back(&Entry);
        }
    }
    const auto Named = std::find_if(Calendars.begin(), Calendars.end(), [&](const TDavEntry* E) {
        return E->DisplayName == PreferredName;
    });
    const TDavEntry* Chosen = Named != Calendars.end() ? *Named
                              : Calendars.size() == 1  ? Calendars.front()
                                                       : nullptr;
    if (Chosen != nullptr) {
        Found.CollectionUrl = WithTrailingSlash(ResolveHref(Found.HomeUrl, Chosen->Href));
        Found.DisplayName = Chosen->DisplayName;
    }
    return Found;
}

TDavStatus TDavClient::MakeCalendar(const std::string& Url, const std::string& DisplayName) {
    const platform::THttpResponse Response =
        Send({"MKCALENDAR",
              WithTrailingSlash(Url),
              {{"Content-Type", "application/xml; charset=utf-8"}},
              MakeCalendarBody(DisplayName)});
    return StatusOf(Response, "创建日历");
}

TListing TDavClient::ReadListing(const platform::THttpResponse& Response,
                                 const std::string& CollectionUrl, const std::string& Action) {
    TListing Listing;
    Listing.Status = StatusOf(Response, Action);
    if (!Listing.Status.Ok()) {
        return Listing;
    }
    auto Answer = ParseMultistatus(Response.Body);
    if (!Answer) {
        Listing.Status = {TFaultKind::Server, Response.Status,
                          "服务器的回答无法读懂（" + Action + "）"};
        return Listing;
    }
    Listing.SyncToken = Answer->SyncToken;
    for (TDavEntry& Entry : Answer->Entries) {
        if (!IsEvent(Entry, CollectionUrl)) {
            if (Listing.SyncToken.empty()) {
                Listing.SyncToken = Entry.SyncToken;
            }
            continue;
        }
        Listing.Members.push_back(std::move(Entry));
    }
    return Listing;
}

TListing TDavClient::ListAll(const std::string& CollectionUrl) {
    const std::string Body = R"(<?xml version="1.0" encoding="utf-8"?>)"
                             R"(<d:propfind xmlns:d="DAV:"><d:prop><d:getetag/><d:resourcetype/>)"
                             R"(<d:sync-token/></d:prop></d:propfind>)";
    return ReadListing(Propfind(CollectionUrl, 1, Body), CollectionUrl, "列出日历");
}

TListing TDavClient::ChangesSince(const std::string& CollectionUrl, const std::string& Token) {
    const platform::THttpResponse Response =
        Send({"REPORT",
              CollectionUrl,
              {{"Depth", "0"}, {"Content-Type", "application/xml; charset=utf-8"}},
              SyncCollectionReport(Token)});
    if (Response.Status == 403 || Response.Status == 409 || Response.Status == 400 ||
        Response.Status == 412 || Response.Status == 501) {
        TListing Refused;
        Refused.TokenRefused = true;
        return Refused;
    }
    return ReadListing(Response, CollectionUrl, "读取变化");
}

TFetched TDavClient::Fetch(const std::string& CollectionUrl,
                           const std::vector<std::string>& Hrefs) {
    TFetched Fetched;
    for (std::size_t At = 0; At < Hrefs.size(); At += FetchBatch) {
        const std::vector<std::string> Batch(
            Hrefs.begin() + static_cast<std::ptrdiff_t>(At),
            Hrefs.begin() + static_cast<std::ptrdiff_t>(std::min(Hrefs.size(), At + FetchBatch)));
        const platform::THttpResponse Response =
            Send({"REPORT",
                  CollectionUrl,
                  {{"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}},
                  MultigetReport(Batch)});
        TListing Part = ReadListing(Response, CollectionUrl, "下载便签");
        if (!Part.Status.Ok()) {
            Fetched.Status = Part.Status;
            return Fetched;
        }
        for (TDavEntry& Entry : Part.Members) {
            if (Entry.Status == 200 && !Entry.CalendarData.empty()) {
                Fetched.Items.push_back(std::move(Entry));
            }
        }
    }
    return Fetched;
}

TWritten TDavClient::Put(const std::string& Url, const std::string& Ical, const std::string& Etag) {
    platform::THttpRequest Request{
        "PUT", Url, {{"Content-Type", "text/calendar; charset=utf-8"}}, Ical};
    if (Etag.empty()) {
        Request.Headers.emplace_back("If-None-Match", "*");
    } else {
        Request.Headers.emplace_back("If-Match", Etag);
    }
    const platform::THttpResponse Response = Send(Request);
    return {StatusOf(Response, "上传便签"), Response.Header("etag")};
}

TDavStatus TDavClient::Delete(const std::string& Url, const std::string& Etag) {
    platform::THttpRequest Request{"DELETE", Url, {}, {}};
    if (!Etag.empty()) {
        Request.Headers.emplace_back("If-Match", Etag);
    }
    return StatusOf(Send(Request), "删除便签");
}

} // namespace notesync
