#include "FakeNotifications.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QUuid>

#include <utility>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

TFakeNotifications::TFakeNotifications(const QString& Address, QStringList Capabilities)
    : FBus(QDBusConnection::connectToBus(Address, QUuid::createUuid().toString())),
      FCapabilities(std::move(Capabilities)) {
    FRegistered = FBus.isConnected() && FBus.registerService(Service) &&
                  FBus.registerObject(Path, this, QDBusConnection::ExportAllSlots);
}

TFakeNotifications::~TFakeNotifications() {
    FBus.unregisterObject(Path);
    FBus.unregisterService(Service);
    QDBusConnection::disconnectFromBus(FBus.name());
}

void TFakeNotifications::InvokeAction(uint Id, const QString& Action) {
    FBus.send(QDBusMessage::createSignal(Path, Service, QStringLiteral("ActionInvoked"))
              << Id << Action);
}

QStringList TFakeNotifications::GetCapabilities() {
    ++FCalls;
    return FCapabilities;
}

uint TFakeNotifications::Notify(const QString& AppName, uint, const QString& Icon,
                                const QString& Summary, const QString& Body,
                                const QStringList& Actions, const QVariantMap& Hints, int) {
    ++FCalls;
    const uint Id = static_cast<uint>(FReceived.size()) + 1;
    FReceived.push_back({Id, AppName, Icon, Summary, Body, Actions, Hints});
    return Id;
}

QString TFakeNotifications::GetServerInformation(QString& Vendor, QString& Version,
                                                 QString& SpecVersion) {
    Vendor = QStringLiteral("test");
    Version = QStringLiteral("1");
    SpecVersion = QStringLiteral("1.2");
    return QStringLiteral("test notifications");
}
