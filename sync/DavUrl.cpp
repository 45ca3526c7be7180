#include "sync/DavUrl.h"

namespace notesync {

std::string OriginOf(const std::string& Url) {
    const auto Scheme = Url.find("://");
    if (Scheme == std::string::npos) {
        return {};
    }
    const auto PathStart = Url.find('/', Scheme + 3);
    return PathStart == std::string::npos ? Url : Url.substr(0, PathStart);
}

std::string PathOf(const std::string& Url) {
    const std::string Origin = OriginOf(Url);
    const std::string Path = Origin.empty() ? Url : Url.substr(Origin.size());
    return Path.empty() ? "/" : Path;
}

std::string ResolveHref(const std::string& Base, const std::string& Href) {
    if (Href.find("://") != std::string::npos) {
        return Href;
    }
    if (Href.starts_with("/")) {
        return OriginOf(Base) + Href;
    }
    const auto LastSlash = Base.rfind('/');
    const auto Scheme = Base.find("://");
    if (LastSlash == std::string::npos || (Scheme != std::string::npos && LastSlash < Scheme + 3)) {
        return Base + "/" + Href;
    }
    return Base.substr(0, LastSlash + 1) + Href;
}

std::string WithTrailingSlash(std::string Url) {
    while (Url.ends_with("/")) {
        Url.pop_back();
    }
    return Url + "/";
}

} // namespace notesync
