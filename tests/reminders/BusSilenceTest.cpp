// Which bus is silent: only a daemon that takes the connection and then answers nothing. The
// test's own session bus is the daemon, running or stopped.

#include "BusEnvironment.h"

#include "platform/BusSilence.h"

#include <QDBusConnection>

#include <gtest/gtest.h>

namespace {

constexpr auto Limit = std::chrono::milliseconds(500);

struct THangGuard {
    THangGuard() { testbus::HangSessionBus(true); }
    ~THangGuard() { testbus::HangSessionBus(false); }
};

} // namespace

TEST(BusSilenceTest, OnlyADaemonThatTakesTheConnectionAndSaysNothingIsSilent) {
    const std::string Running = testbus::SessionAddress().toStdString();
    ASSERT_FALSE(Running.empty());
    EXPECT_FALSE(platform::BusIsSilent(Running, Limit));
    struct Case {
        const char* Address;
        bool Silent;
    };
    const Case Cases[] = {
        {"unix:path=/no/such/socket", false},
        {"unix:path=/dev/null", false},
        {"unix:abstract=no-such-ruxa-bus", false},
        {"tcp:host=127.0.0.1,port=9", false},
        {"", false},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Address);
        EXPECT_EQ(platform::BusIsSilent(C.Address, Limit), C.Silent);
    }

    const THangGuard Hung;
    EXPECT_TRUE(platform::BusIsSilent(Running, Limit));
    EXPECT_TRUE(platform::BusIsSilent("unix:path=/no/such/socket;" + Running, Limit))
        << "every socket of the address is tried";
}

TEST(BusSilenceTest, ASilentBusIsLeftForOneWhereConnectingFailsAtOnce) {
    const QByteArray System = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    {
        const THangGuard Hung;
        EXPECT_EQ(platform::LeaveSilentBuses(Limit), std::vector{platform::TBus::Session});
    }
    EXPECT_EQ(qgetenv("DBUS_SYSTEM_BUS_ADDRESS"), System) << "the answering bus stays";
    EXPECT_FALSE(QDBusConnection::sessionBus().isConnected())
        << "the bus answers again, but this run no longer uses it";
}
