#include "platform/IcmpEchoReply.h"

namespace platform {
namespace {

constexpr std::size_t IcmpHeaderSize = 8;
constexpr std::size_t MinimumIpHeaderSize = 20;

std::uint16_t ReadBigEndian16(std::span<const std::uint8_t> Bytes, std::size_t At) {
    return static_cast<std::uint16_t>((Bytes[At] << 8) | Bytes[At + 1]);
}

void WriteBigEndian16(std::vector<std::uint8_t>& Bytes, std::size_t At, std::uint16_t Value) {
    Bytes[At] = static_cast<std::uint8_t>(Value >> 8);
    Bytes[At + 1] = static_cast<std::uint8_t>(Value & 0xFF);
}

} // namespace

std::uint16_t InternetChecksum(std::span<const std::uint8_t> Bytes) {
    std::uint32_t Sum = 0;
    std::size_t At = 0;
    for (; At + 1 < Bytes.size(); At += 2) {
        Sum += ReadBigEndian16(Bytes, At);
    }
    if (At < Bytes.size()) {
        Sum += static_cast<std::uint32_t>(Bytes[At]) << 8;
    }
    while ((Sum >> 16) != 0) {
        Sum = (Sum & 0xFFFF) + (Sum >> 16);
    }
    return static_cast<std::uint16_t>(~Sum & 0xFFFF);
}

std::vector<std::uint8_t> BuildEchoRequest(std::uint16_t Identifier, std::uint16_t Sequence,
                                           std::string_view Data) {
    std::vector<std::uint8_t> Message(IcmpHeaderSize + Data.size(), 0);
    Message[0] = IcmpEchoRequestType;
    WriteBigEndian16(Message, 4, Identifier);
    WriteBigEndian16(Message, 6, Sequence);
    for (std::size_t K = 0; K < Data.size(); ++K) {
        Message[IcmpHeaderSize + K] = static_cast<std::uint8_t>(Data[K]);
    }
    WriteBigEndian16(Message, 2, InternetChecksum(Message));
    return Message;
}

bool IsEchoReply(std::span<const std::uint8_t> Packet, bool WithIpHeader,
                 const TIPv4Address& Sender, const TEchoReplyKey& Key) {
    if (Sender != Key.From) {
        return false;
    }
    std::span<const std::uint8_t> Message = Packet;
    if (WithIpHeader) {
        if (Packet.size() < MinimumIpHeaderSize || (Packet[0] >> 4) != 4) {
            return false;
        }
        const std::size_t HeaderSize = static_cast<std::size_t>(Packet[0] & 0x0F) * 4;
        if (HeaderSize < MinimumIpHeaderSize || Packet.size() < HeaderSize) {
            return false;
        }
        Message = Packet.subspan(HeaderSize);
    }
    return Message.size() >= IcmpHeaderSize && Message[0] == IcmpEchoReplyType && Message[1] == 0 &&
           ReadBigEndian16(Message, 4) == Key.Identifier &&
           ReadBigEndian16(Message, 6) == Key.Sequence;
}

} // namespace platform
