#pragma once

// A notification service of the test's own: it owns org.freedesktop.Notifications on a bus,
// records every notification it is sent and invokes actions on request.

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <vector>

struct TReceivedNotification {
    uint Id = 0;
    QString AppName;
    QString Icon;
    QString Summary;
    QString Body;
    QStringList Actions;
    QVariantMap Hints;
};

class TFakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    // Connects to the bus at Address and takes the service name; Capabilities are what the
    // service says it can do.
    TFakeNotifications(const QString& Address, QStringList Capabilities);
    ~TFakeNotifications() override;

    bool Registered() const { return FRegistered; }
    const std::vector<TReceivedNotification>& Received() const { return FReceived; }
    // Calls of GetCapabilities and Notify: what a sender asks before and while notifying.
    int Calls() const { return FCalls; }

    // Tells every listener that the user chose Action of notification Id.
    void InvokeAction(uint Id, const QString& Action);

public slots:
    QStringList GetCapabilities();
    uint Notify(const QString& AppName, uint ReplacesId, const QString& Icon,
                const QString& Summary, const QString& Body, const QStringList& Actions,
                const QVariantMap& Hints, int Timeout);
    // Answered without being counted: a test's round trip through the bus.
    QString GetServerInformation(QString& Vendor, QString& Version, QString& SpecVersion);

private:
    QDBusConnection FBus;
    QStringList FCapabilities;
    bool FRegistered = false;
    std::vector<TReceivedNotification> FReceived;
    int FCalls = 0;
};
