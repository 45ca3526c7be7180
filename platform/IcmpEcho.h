#pragma once

// One ICMP echo request ("ping") and the wait for its reply.

#include "platform/IPv4Address.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string_view>

namespace platform {

struct TEchoRequest {
    TIPv4Address Address{};
    std::string_view Data;
    int TimeToLive = 64;
    std::chrono::milliseconds Timeout{200};
};

// An open ICMP endpoint.
class TEchoSocket {
public:
    virtual ~TEchoSocket() = default;
    // Sends one echo request and waits up to its time-out for the reply to it (same
    // sender, identifier and sequence); true when that reply arrived in time.
    virtual bool Echo(const TEchoRequest& Request) = 0;
};

using TEchoSocketOpener = std::function<std::unique_ptr<TEchoSocket>()>;

// An unprivileged ICMP datagram socket, or a raw ICMP socket where datagram sockets are
// not permitted (raw ones need root or CAP_NET_RAW); empty when neither can be opened.
// Tests may replace the opener.
std::unique_ptr<TEchoSocket> OpenEchoSocket();

// Replaces what OpenEchoSocket does; an empty function restores the system's sockets.
void SetEchoSocketOpener(TEchoSocketOpener Opener);

} // namespace platform
