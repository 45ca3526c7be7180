#include "sync/DavXml.h"

#include "platform/Xml.h"

#include <cstdlib>

namespace notesync {

namespace {

using platform::XmlNode;

std::optional<XmlNode> ChildNamed(const XmlNode& Parent, std::string_view Name) {
    for (const XmlNode& Child : Parent.Children()) {
        if (Child.NameIs(Name)) {
            return Child;
        }
    }
    return std::nullopt;
}

std::string TrimmedText(const XmlNode& Node) {
    std::string Text = Node.Text();
    const auto First = Text.find_first_not_of(" \t\r\n");
    if (First == std::string::npos) {
        return {};
    }
    const auto Last = Text.find_last_not_of(" \t\r\n");
    return Text.substr(First, Last - First + 1);
}

// "HTTP/1.1 404 Not Found" -> 404.
int StatusCode(const std::string& Line) {
    const auto Space = Line.find(' ');
    return Space == std::string::npos ? 0 : std::atoi(Line.c_str() + Space + 1);
}

std::string HrefInside(const XmlNode& Property) {
    const auto Href = ChildNamed(Property, "href");
    return Href ? TrimmedText(*Href) : std::string();
}

void ReadProperties(const XmlNode& Prop, TDavEntry& Entry) {
    for (const XmlNode& Property : Prop.Children()) {
        if (Property.NameIs("getetag")) {
            Entry.Etag = TrimmedText(Property);
        } else if (Property.NameIs("calendar-data")) {
            Entry.CalendarData = Property.Text();
        } else if (Property.NameIs("displayname")) {
            Entry.DisplayName = TrimmedText(Property);
        } else if (Property.NameIs("resourcetype")) {
            Entry.IsCollection = ChildNamed(Property, "collection").has_value();
            Entry.IsCalendar = ChildNamed(Property, "calendar").has_value();
        } else if (Property.NameIs("current-user-principal")) {
            Entry.PrincipalHref = HrefInside(Property);
        } else if (Property.NameIs("calendar-home-set")) {
            Entry.CalendarHomeHref = HrefInside(Property);
        } else if (Property.NameIs("sync-token")) {
            Entry.SyncToken = TrimmedText(Property);
        }
    }
}

TDavEntry ReadResponse(const XmlNode& Response) {
    TDavEntry Entry;
    bool StatusSeen = false;
    for (const XmlNode& Part : Response.Children()) {
        if (Part.NameIs("href")) {
            Entry.Href = TrimmedText(Part);
        } else if (Part.NameIs("status")) {
            Entry.Status = StatusCode(TrimmedText(Part));
            StatusSeen = true;
        } else if (Part.NameIs("propstat")) {
            const auto Status = ChildNamed(Part, "status");
            const int Code = Status ? StatusCode(TrimmedText(*Status)) : 200;
            if (!StatusSeen) {
                Entry.Status = Code;
                StatusSeen = true;
            }
            const auto Prop = ChildNamed(Part, "prop");
            if (Code == 200 && Prop) {
                Entry.Status = 200;
                ReadProperties(*Prop, Entry);
            }
        }
    }
    return Entry;
}

} // namespace

std::optional<TMultistatus> ParseMultistatus(std::string_view Body) {
    std::string Error;
    const platform::XmlDocument Document = platform::XmlDocument::Parse(Body, Error);
    if (!Document || !Document.Root().NameIs("multistatus")) {
        return std::nullopt;
    }
    TMultistatus Answer;
    for (const XmlNode& Child : Document.Root().Children()) {
        if (Child.NameIs("response")) {
            Answer.Entries.push_back(ReadResponse(Child));
        } else if (Child.NameIs("sync-token")) {
            Answer.SyncToken = TrimmedText(Child);
        }
    }
    return Answer;
}

std::string XmlEscaped(std::string_view Text) {
    std::string Escaped;
    Escaped.reserve(Text.size());
    for (const char C : Text) {
        switch (C) {
        case '&':
            Escaped += "&amp;";
            break;
        case '<':
            Escaped += "&lt;";
            break;
        case '>':
            Escaped += "&gt;";
            break;
        default:
            Escaped += C;
        }
    }
    return Escaped;
}

std::string DiscoveryPropfind() {
    return R"(<?xml version="1.0" encoding="utf-8"?>)"
           R"(<d:propfind xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">)"
           R"(<d:prop><d:current-user-principal/><c:calendar-home-set/><d:resourcetype/>)"
           R"(<d:displayname/><d:sync-token/></d:prop></d:propfind>)";
}

std::string EtagPropfind() {
    return R"(<?xml version="1.0" encoding="utf-8"?>)"
           R"(<d:propfind xmlns:d="DAV:"><d:prop><d:getetag/><d:resourcetype/></d:prop>)"
           R"(</d:propfind>)";
}

std::string SyncCollectionReport(const std::string& SyncToken) {
    return R"(<?xml version="1.0" encoding="utf-8"?>)"
           R"(<d:sync-collection xmlns:d="DAV:"><d:sync-token>)" +
           XmlEscaped(SyncToken) +
           R"(</d:sync-token><d:sync-level>1</d:sync-level><d:prop><d:getetag/></d:prop>)"
           R"(</d:sync-collection>)";
}

std::string MultigetReport(const std::vector<std::string>& Hrefs) {
    std::string Body = R"(<?xml version="1.0" encoding="utf-8"?>)"
                       R"(<c:calendar-multiget xmlns:d="DAV:" )"
                       R"(xmlns:c="urn:ietf:params:xml:ns:caldav">)"
                       R"(<d:prop><d:getetag/><c:calendar-data/></d:prop>)";
    for (const std::string& Href : Hrefs) {
        Body += "<d:href>" + XmlEscaped(Href) + "</d:href>";
    }
    return Body + "</c:calendar-multiget>";
}

std::string MakeCalendarBody(const std::string& DisplayName) {
    return R"(<?xml version="1.0" encoding="utf-8"?>)"
           R"(<c:mkcalendar xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">)"
           R"(<d:set><d:prop><d:displayname>)" +
           XmlEscaped(DisplayName) +
           R"(</d:displayname><c:supported-calendar-component-set>)"
           R"(<c:comp name="VEVENT"/></c:supported-calendar-component-set>)"
           R"(</d:prop></d:set></c:mkcalendar>)";
}

} // namespace notesync
