#include "platform/IcmpEcho.h"

#include "platform/IcmpEchoReply.h"

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

std::uint16_t NextSequence() {
    static std::atomic<std::uint16_t> Sequence{0};
    return ++Sequence;
}

sockaddr_in SocketAddressOf(const TIPv4Address& Address) {
    sockaddr_in Result{};
    Result.sin_family = AF_INET;
    std::memcpy(&Result.sin_addr.s_addr, Address.data(), Address.size());
    return Result;
}

TIPv4Address AddressOf(const sockaddr_in& Address) {
    TIPv4Address Result;
    std::memcpy(Result.data(), &Address.sin_addr.s_addr, Result.size());
    return Result;
}

class TIcmpSocket final : public TEchoSocket {
public:
    // A datagram socket gets the ICMP message alone, with the identifier that the kernel
    // gives it; a raw socket gets every ICMP packet with its IP header.
    TIcmpSocket(int Descriptor, bool Raw) : FDescriptor(Descriptor), FRaw(Raw) {}
    ~TIcmpSocket() override { close(FDescriptor); }
    TIcmpSocket(const TIcmpSocket&) = delete;
    TIcmpSocket& operator=(const TIcmpSocket&) = delete;

    bool Echo(const TEchoRequest& Request) override {
        using Clock = std::chrono::steady_clock;
        const int TimeToLive = Request.TimeToLive;
        if (setsockopt(FDescriptor, IPPROTO_IP, IP_TTL, &TimeToLive, sizeof TimeToLive) != 0) {
            return false;
        }
        TEchoReplyKey Key;
        Key.From = Request.Address;
        Key.Identifier = static_cast<std::uint16_t>(getpid() & 0xFFFF);
        Key.Sequence = NextSequence();
        const std::vector<std::uint8_t> Message =
            BuildEchoRequest(Key.Identifier, Key.Sequence, Request.Data);
        const sockaddr_in To = SocketAddressOf(Request.Address);
        const ssize_t Sent = sendto(FDescriptor, Message.data(), Message.size(), 0,
                                    reinterpret_cast<const sockaddr*>(&To), sizeof To);
        if (Sent != static_cast<ssize_t>(Message.size())) {
            return false;
        }
        if (!FRaw && !ReadKernelIdentifier(Key.Identifier)) {
            return false;
        }

        const Clock::time_point Deadline = Clock::now() + Request.Timeout;
        for (;;) {
            const auto Left =
                std::chrono::ceil<std::chrono::milliseconds>(Deadline - Clock::now()).count();
            if (Left <= 0) {
                return false;
            }
            pollfd Waiting{FDescriptor, POLLIN, 0};
            const int Ready = poll(&Waiting, 1, static_cast<int>(Left));
            if (Ready < 0 && errno != EINTR) {
                return false;
            }
            if (Ready > 0 && ReceivedOurReply(Key)) {
                return true;
            }
        }
    }

private:
    // A datagram socket's echo identifier is its local port, chosen by the kernel at the
    // first send.
    bool ReadKernelIdentifier(std::uint16_t& Identifier) const {
        sockaddr_in Local{};
        socklen_t Size = sizeof Local;
        if (getsockname(FDescriptor, reinterpret_cast<sockaddr*>(&Local), &Size) != 0) {
            return false;
        }
        Identifier = ntohs(Local.sin_port);
        return true;
    }

    // Reads every packet waiting on the socket; true when one of them is our reply.
    bool ReceivedOurReply(const TEchoReplyKey& Key) const {
        std::uint8_t Packet[1500];
        for (;;) {
            sockaddr_in From{};
            socklen_t Size = sizeof From;
            const ssize_t Received = recvfrom(FDescriptor, Packet, sizeof Packet, MSG_DONTWAIT,
                                              reinterpret_cast<sockaddr*>(&From), &Size);
            if (Received < 0) {
                return false;
            }
            if (From.sin_family == AF_INET &&
                IsEchoReply(std::span(Packet, static_cast<std::size_t>(Received)), FRaw,
                            AddressOf(From), Key)) {
                return true;
            }
        }
    }

    int FDescriptor;
    bool FRaw;
};

std::unique_ptr<TEchoSocket> OpenSystemEchoSocket() {
    int Descriptor = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (Descriptor >= 0) {
        return std::make_unique<TIcmpSocket>(Descriptor, false);
    }
    Descriptor = socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (Descriptor >= 0) {
        return std::make_unique<TIcmpSocket>(Descriptor, true);
    }
    return nullptr;
}

TEchoSocketOpener& InjectedOpener() {
    static TEchoSocketOpener Opener;
    return Opener;
}

} // namespace

std::unique_ptr<TEchoSocket> OpenEchoSocket() {
    const TEchoSocketOpener& Opener = InjectedOpener();
    return Opener ? Opener() : OpenSystemEchoSocket();
}

void SetEchoSocketOpener(TEchoSocketOpener Opener) {
    InjectedOpener() = std::move(Opener);
}

} // namespace platform
