#pragma once

// The ICMP echo messages of the online check: building the request and recognising its
// reply among everything an ICMP socket receives (on a raw socket that includes our own
// request looped back, and the echoes of other programs).

#include "platform/IPv4Address.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace platform {

inline constexpr std::uint8_t IcmpEchoReplyType = 0;
inline constexpr std::uint8_t IcmpEchoRequestType = 8;

// What makes a reply ours: who sent it and the request's identifier and sequence.
struct TEchoReplyKey {
    TIPv4Address From{};
    std::uint16_t Identifier = 0;
    std::uint16_t Sequence = 0;
};

// An echo request message (type 8, code 0) with its checksum, followed by Data.
std::vector<std::uint8_t> BuildEchoRequest(std::uint16_t Identifier, std::uint16_t Sequence,
                                           std::string_view Data);

// The internet checksum (ones' complement of the ones' complement sum of 16-bit words).
std::uint16_t InternetChecksum(std::span<const std::uint8_t> Bytes);

// True when Packet, received from Sender, is the echo reply that Key describes. With
// WithIpHeader the packet starts with its IPv4 header, as a raw socket delivers it;
// otherwise it is the ICMP message alone, as a datagram socket delivers it.
bool IsEchoReply(std::span<const std::uint8_t> Packet, bool WithIpHeader,
                 const TIPv4Address& Sender, const TEchoReplyKey& Key);

} // namespace platform
