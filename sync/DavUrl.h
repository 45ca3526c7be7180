#pragma once

// The addresses of a DAV server: an href of an answer resolved against the address it came
// from, and an address's origin (scheme, host and port).

#include <string>

namespace notesync {

// "https://host:port" of an absolute address; empty when Url is not one.
std::string OriginOf(const std::string& Url);

// The path of an absolute address, "/" when it has none.
std::string PathOf(const std::string& Url);

// Href (absolute, absolute-path or relative) as an absolute address, against Base.
std::string ResolveHref(const std::string& Base, const std::string& Href);

// The address with one "/" at its end.
std::string WithTrailingSlash(std::string Url);

} // namespace notesync
