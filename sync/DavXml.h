#pragma once

// The WebDAV and CalDAV bodies the sync sends, and the multistatus answers it reads. Elements
// are matched by their local name; the namespaces of the standard bodies are not checked.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace notesync {

// One <response> of a multistatus answer, with the properties found (status 200) in it.
struct TDavEntry {
    std::string Href;
    // The response's own status (a removed member of a sync report has 404), else that of
    // the first property block; 200 when neither says.
    int Status = 200;
    std::string Etag;
    std::string CalendarData;
    std::string DisplayName;
    bool IsCollection = false;
    bool IsCalendar = false;
    std::string PrincipalHref;    // current-user-principal
    std::string CalendarHomeHref; // calendar-home-set
    std::string SyncToken;        // the collection's sync-token property
};

struct TMultistatus {
    std::vector<TDavEntry> Entries;
    // The sync-token of a sync-collection report's answer.
    std::string SyncToken;
};

// Nothing when the body is not a well-formed multistatus document.
std::optional<TMultistatus> ParseMultistatus(std::string_view Body);

// PROPFIND bodies.
std::string DiscoveryPropfind(); // principal, calendar home, resource type, name, sync-token
std::string EtagPropfind();      // getetag and resource type of each member

// REPORT bodies.
std::string SyncCollectionReport(const std::string& SyncToken);
std::string MultigetReport(const std::vector<std::string>& Hrefs);

// MKCALENDAR body: a calendar of events with this display name.
std::string MakeCalendarBody(const std::string& DisplayName);

// Text for inside an XML element: &, < and > as references.
std::string XmlEscaped(std::string_view Text);

} // namespace notesync
