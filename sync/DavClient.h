#pragma once

// The CalDAV requests of the notes sync over one HTTP connection: finding the collection,
// making it, listing and fetching its events, and conditional writes.

#include "platform/net/HttpClient.h"
#include "sync/DavXml.h"

#include <string>
#include <vector>

namespace notesync {

enum class TFaultKind {
    None,
    Network,  // no answer: no connection, a timeout, a broken transfer
    Login,    // 401 or 403: the user or the password was refused
    Server,   // any other failure of the server, or an answer that does not read
    Changed,  // 412: the resource is not as the condition said
    NotFound, // 404 or 410
    Local,    // the local notes or the sync state could not be read or saved
};

struct TDavStatus {
    TFaultKind Kind = TFaultKind::None;
    int Http = 0;
    // In Chinese, for the user: empty when Kind is None.
    std::string Text;

    bool Ok() const { return Kind == TFaultKind::None; }
};

// The status a response stands for; Action names the request ("列出日历" ...) in the text.
TDavStatus StatusOf(const platform::THttpResponse& Response, const std::string& Action);

struct TFoundCollection {
    TDavStatus Status;
    std::string CollectionUrl; // empty when no calendar collection was found
    std::string HomeUrl;       // the calendar home, when discovery reached it
    std::string DisplayName;
};

struct TListing {
    TDavStatus Status;
    std::vector<TDavEntry> Members; // events of the collection (Status 404: removed)
    std::string SyncToken;
    bool TokenRefused = false; // the server did not accept the old token
};

struct TFetched {
    TDavStatus Status;
    std::vector<TDavEntry> Items; // each with Href, Etag and CalendarData
};

struct TWritten {
    TDavStatus Status;
    std::string Etag; // may be empty: some servers do not say
};

class TDavClient {
public:
    explicit TDavClient(platform::THttpClient& Http) : FHttp(Http) {}

    // The calendar collection at Url, or found from it: Url itself when it is a calendar,
    // else through the principal (.well-known/caldav when Url gives none) and its calendar
    // home, taking the home's calendar named PreferredName, else its only calendar.
    TFoundCollection Discover(const std::string& Url, const std::string& PreferredName);
    TDavStatus MakeCalendar(const std::string& Url, const std::string& DisplayName);

    // Every event with its ETag (PROPFIND, depth 1), and the collection's sync-token.
    TListing ListAll(const std::string& CollectionUrl);
    // The changes since Token (sync-collection report).
    TListing ChangesSince(const std::string& CollectionUrl, const std::string& Token);
    // The events at these hrefs (calendar-multiget in batches).
    TFetched Fetch(const std::string& CollectionUrl, const std::vector<std::string>& Hrefs);

    // Creates (Etag empty: If-None-Match: *) or replaces (If-Match: Etag) the event at Url.
    TWritten Put(const std::string& Url, const std::string& Ical, const std::string& Etag);
    // Deletes the event at Url if it is still at Etag (any version when Etag is empty).
    TDavStatus Delete(const std::string& Url, const std::string& Etag);

    // One request, with redirections followed (at most five).
    platform::THttpResponse Send(platform::THttpRequest Request);

private:
    platform::THttpResponse Propfind(const std::string& Url, int Depth, const std::string& Body);
    TListing ReadListing(const platform::THttpResponse& Response, const std::string& CollectionUrl,
                         const std::string& Action);

    platform::THttpClient& FHttp;
};

} // namespace notesync
