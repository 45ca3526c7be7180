#include "BusEnvironment.h"

#include "TestBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString Logind = QStringLiteral("org.freedesktop.login1");
const QString LogindConnection = QStringLiteral("test-logind");
const QString ImpostorConnection = QStringLiteral("test-impostor");
constexpr int ReplyWaitMs = 10000;

std::unique_ptr<TTestBus> SessionBus;
std::unique_ptr<TTestBus> SystemBus;

class TBusEnvironment : public testing::Environment {
public:
    void SetUp() override {
        SessionBus = std::make_unique<TTestBus>();
        SystemBus = std::make_unique<TTestBus>();
        ASSERT_FALSE(SessionBus->Address().isEmpty()) << "no dbus-daemon";
        ASSERT_FALSE(SystemBus->Address().isEmpty()) << "no dbus-daemon";
        qputenv("DBUS_SESSION_BUS_ADDRESS", SessionBus->Address().toUtf8());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", SystemBus->Address().toUtf8());
        QDBusConnection StandIn =
            QDBusConnection::connectToBus(SystemBus->Address(), LogindConnection);
        ASSERT_TRUE(StandIn.registerService(Logind));
    }

    void TearDown() override {
        QDBusConnection::disconnectFromBus(LogindConnection);
        SystemBus.reset();
        SessionBus.reset();
    }
};

[[maybe_unused]] testing::Environment* const Registered =
    testing::AddGlobalTestEnvironment(new TBusEnvironment);

// Sends a call and returns once its answer has come and what came before it has been
// handled; false when the answer is an error.
bool RoundTrip(const QDBusConnection& Bus, const QDBusMessage& Call) {
    QDBusPendingCallWatcher Watcher(Bus.asyncCall(Call));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Watcher.isFinished(); }, ReplyWaitMs));
    QCoreApplication::processEvents();
    return !Watcher.isError();
}

} // namespace

namespace testbus {

const QString& SessionAddress() {
    static const QString None;
    return SessionBus ? SessionBus->Address() : None;
}

const QString& SystemAddress() {
    static const QString None;
    return SystemBus ? SystemBus->Address() : None;
}

void HangSessionBus(bool Hung) {
    SessionBus->Hang(Hung);
}

void HangSystemBus(bool Hung) {
    SystemBus->Hang(Hung);
}

QDBusMessage PrepareForSleep(bool Sleeping) {
    return QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                      QStringLiteral("org.freedesktop.login1.Manager"),
                                      QStringLiteral("PrepareForSleep"))
           << Sleeping;
}

void SendPrepareForSleepAsAnother(bool Sleeping) {
    QDBusConnection Impostor =
        QDBusConnection::connectToBus(SystemBus->Address(), ImpostorConnection);
    // Sent to the program's connection by name, so that no rule of the bus keeps it away.
    Impostor.send(
        QDBusMessage::createTargetedSignal(
            QDBusConnection::systemBus().baseService(), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"))
        << Sleeping);
    // Answered by the program's connection after the signal that came before from the same
    // sender.
    EXPECT_TRUE(RoundTrip(
        Impostor, QDBusMessage::createMethodCall(
                      QDBusConnection::systemBus().baseService(), QStringLiteral("/"),
                      QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"))));
    QDBusConnection::disconnectFromBus(ImpostorConnection);
}

void SendPrepareForSleep(bool Sleeping) {
    QDBusConnection(LogindConnection).send(PrepareForSleep(Sleeping));
    // Answered by the stand-in's own connection, so after the signal it sent before.
    EXPECT_TRUE(
        RoundTrip(QDBusConnection::systemBus(),
                  QDBusMessage::createMethodCall(Logind, QStringLiteral("/"),
                                                 QStringLiteral("org.freedesktop.DBus.Peer"),
                                                 QStringLiteral("Ping"))));
}

void RoundTripToNotifications() {
    // Without the service the bus itself answers, after what the program sent before.
    RoundTrip(QDBusConnection::sessionBus(),
              QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                             QStringLiteral("/org/freedesktop/Notifications"),
                                             QStringLiteral("org.freedesktop.Notifications"),
                                             QStringLiteral("GetServerInformation")));
}

} // namespace testbus
