#include "common/OnlineCheck.h"
#include "platform/IcmpEcho.h"
#include "platform/IcmpEchoReply.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

using platform::TEchoRequest;
using platform::TEchoSocket;

struct TSentEcho {
    platform::TIPv4Address Address;
    std::string Data;
    int TimeToLive;
    std::chrono::milliseconds Timeout;
};

// Records what would have been sent and answers as told.
class TFakeEchoSocket : public TEchoSocket {
public:
    TFakeEchoSocket(std::vector<TSentEcho>& Sent, bool Answer) : FSent(Sent), FAnswer(Answer) {}
    bool Echo(const TEchoRequest& Request) override {
        FSent.push_back(
            {Request.Address, std::string(Request.Data), Request.TimeToLive, Request.Timeout});
        return FAnswer;
    }

private:
    std::vector<TSentEcho>& FSent;
    bool FAnswer;
};

class OnlineCheck : public ::testing::Test {
protected:
    void TearDown() override { platform::SetEchoSocketOpener({}); }

    // No socket can be opened (Available false), or one that answers as told.
    void UseFakeSockets(bool Available, bool Answer) {
        platform::SetEchoSocketOpener([this, Available, Answer]() -> std::unique_ptr<TEchoSocket> {
            if (!Available) {
                return nullptr;
            }
            return std::make_unique<TFakeEchoSocket>(Sent, Answer);
        });
    }

    std::vector<TSentEcho> Sent;
};

struct TCheckCase {
    const char* Name;
    bool SocketAvailable;
    bool Answer;
    const char* Host;
    const char* Expected; // the result written over "unchanged"
    bool Sends;
};

TEST_F(OnlineCheck, MapsTheEchoOutcomeToItsResult) {
    const TCheckCase Cases[] = {
        {"reply", true, true, "127.0.0.1", "OK", true},
        {"no reply", true, false, "127.0.0.1", "Failed", true},
        {"empty host sends nothing", true, true, "", "Failed", false},
        {"no socket leaves the result", false, true, "127.0.0.1", "unchanged", false},
        {"no socket, empty host", false, true, "", "unchanged", false},
    };
    for (const TCheckCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Sent.clear();
        UseFakeSockets(Case.SocketAvailable, Case.Answer);
        QString Result = QStringLiteral("unchanged");
        CheckOnline(QString::fromUtf8(Case.Host), Result);
        EXPECT_EQ(Result, QString::fromUtf8(Case.Expected));
        EXPECT_EQ(Sent.size(), Case.Sends ? 1u : 0u);
    }
}

TEST_F(OnlineCheck, SendsTheFixedRequestToTheResolvedAddress) {
    UseFakeSockets(true, true);
    QString Result;
    CheckOnline(QStringLiteral("127.0.0.9"), Result);
    ASSERT_EQ(Sent.size(), 1u);
    EXPECT_EQ(Sent[0].Address, (platform::TIPv4Address{127, 0, 0, 9}));
    EXPECT_EQ(Sent[0].Data, std::string("Hi, OnLine?"));
    EXPECT_EQ(Sent[0].Data.size(), 11u);
    EXPECT_EQ(Sent[0].TimeToLive, 64);
    EXPECT_EQ(Sent[0].Timeout, std::chrono::milliseconds(200));
}

TEST(ResolveHostIP, WritesDottedTextOrLeavesTheOutput) {
    const struct {
        const char* Host;
        const char* Expected;
    } Cases[] = {
        {"127.0.0.1", "127.0.0.1"},
        {"10.200.3.4", "10.200.3.4"},
        {"", "as passed"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Host);
        QString Ip = QStringLiteral("as passed");
        ResolveHostIP(QString::fromUtf8(Case.Host), Ip);
        EXPECT_EQ(Ip, QString::fromUtf8(Case.Expected));
    }
}

// The real sockets, on loopback only.
TEST(OnlineCheckLoopback, LoopbackAnswersWithinTheTimeout) {
    if (!platform::OpenEchoSocket()) {
        GTEST_SKIP() << "neither an ICMP datagram socket (net.ipv4.ping_group_range) nor a raw "
                        "ICMP socket (root or CAP_NET_RAW) may be opened here";
    }
    const auto Start = std::chrono::steady_clock::now();
    QString Result;
    CheckOnline(QStringLiteral("127.0.0.1"), Result);
    const auto Took = std::chrono::steady_clock::now() - Start;
    EXPECT_EQ(Result, QStringLiteral("OK"));
    EXPECT_LT(Took, std::chrono::milliseconds(200));
}

// A raw socket sees our own request looped back and the echoes of other programs; only
// the reply from the pinged host with our identifier and sequence counts.
TEST(EchoReply, OnlyOurReplyCounts) {
    const platform::TIPv4Address Host{127, 0, 0, 1};
    const platform::TEchoReplyKey Key{Host, 0x1234, 7};
    auto Reply = [](std::uint8_t Type, std::uint16_t Identifier, std::uint16_t Sequence) {
        std::vector<std::uint8_t> Message =
            platform::BuildEchoRequest(Identifier, Sequence, "Hi, OnLine?");
        Message[0] = Type;
        return Message;
    };
    auto WithIpHeader = [](std::vector<std::uint8_t> Message, int HeaderWords) {
        std::vector<std::uint8_t> Packet(static_cast<std::size_t>(HeaderWords) * 4, 0);
        Packet[0] = static_cast<std::uint8_t>(0x40 | HeaderWords);
        Packet.insert(Packet.end(), Message.begin(), Message.end());
        return Packet;
    };
    const auto Ours = Reply(platform::IcmpEchoReplyType, 0x1234, 7);
    const struct {
        const char* Name;
        std::vector<std::uint8_t> Packet;
        bool WithIpHeader;
        platform::TIPv4Address Sender;
        bool Counts;
    } Cases[] = {
        {"our reply", Ours, false, Host, true},
        {"our reply behind an IP header", WithIpHeader(Ours, 5), true, Host, true},
        {"behind an IP header with options", WithIpHeader(Ours, 7), true, Host, true},
        {"our own request looped back", WithIpHeader(Reply(8, 0x1234, 7), 5), true, Host, false},
        {"another identifier", Reply(0, 0x1235, 7), false, Host, false},
        {"another sequence", Reply(0, 0x1234, 8), false, Host, false},
        {"from another host", Ours, false, {127, 0, 0, 2}, false},
        {"truncated", std::vector<std::uint8_t>(Ours.begin(), Ours.begin() + 7), false, Host,
         false},
        {"IP header longer than the packet", WithIpHeader({}, 15), true, Host, false},
        {"raw packet read without its header", Ours, true, Host, false},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(platform::IsEchoReply(Case.Packet, Case.WithIpHeader, Case.Sender, Key),
                  Case.Counts);
    }
}

TEST(EchoReply, RequestCarriesAValidChecksum) {
    const std::vector<std::uint8_t> Message = platform::BuildEchoRequest(0xBEEF, 3, "Hi, OnLine?");
    ASSERT_EQ(Message.size(), 19u);
    EXPECT_EQ(Message[0], platform::IcmpEchoRequestType);
    EXPECT_EQ(platform::InternetChecksum(Message), 0);
}

} // namespace
