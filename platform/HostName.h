#pragma once

// Host names and dotted IPv4 text.

#include "platform/IPv4Address.h"

#include <string>

namespace platform {

// The first IPv4 address of Host, looked up through the system's resolver (dotted text is
// taken as it stands, without a look-up). False for an empty name and for a name that
// has no IPv4 address; Address is then unchanged.
bool ResolveIPv4(const std::string& Host, TIPv4Address& Address);

// Reads strict dotted decimal text ("a.b.c.d", each 0..255). False for anything else;
// Address is then unchanged.
bool ParseIPv4(const std::string& Text, TIPv4Address& Address);

} // namespace platform
