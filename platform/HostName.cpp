#include "platform/HostName.h"

#include <arpa/inet.h>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace platform {
namespace {

TIPv4Address BytesOf(const in_addr& Address) {
    TIPv4Address Bytes;
    std::memcpy(Bytes.data(), &Address.s_addr, Bytes.size());
    return Bytes;
}

} // namespace

bool ResolveIPv4(const std::string& Host, TIPv4Address& Address) {
    if (Host.empty()) {
        return false;
    }
    addrinfo Hints{};
    Hints.ai_family = AF_INET;
    Hints.ai_socktype = SOCK_RAW;
    addrinfo* Found = nullptr;
    if (getaddrinfo(Host.c_str(), nullptr, &Hints, &Found) != 0) {
        return false;
    }
    bool Resolved = false;
    for (const addrinfo* Entry = Found; Entry != nullptr; Entry = Entry->ai_next) {
        if (Entry->ai_family == AF_INET && Entry->ai_addr != nullptr) {
            Address = BytesOf(reinterpret_cast<const sockaddr_in*>(Entry->ai_addr)->sin_addr);
            Resolved = true;
            break;
        }
    }
    freeaddrinfo(Found);
    return Resolved;
}

bool ParseIPv4(const std::string& Text, TIPv4Address& Address) {
    in_addr Parsed{};
    if (inet_pton(AF_INET, Text.c_str(), &Parsed) != 1) {
        return false;
    }
    Address = BytesOf(Parsed);
    return true;
}

} // namespace platform
