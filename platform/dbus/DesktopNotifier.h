#pragma once

// Desktop notifications through the freedesktop notification service on the session bus.
// Without a session bus or without the service a notification is dropped and nothing is
// reported: the caller's own way of telling the user stays the one that always works. The
// bus is never waited on: it is reached on a thread of its own and every call is answered
// later, so a hung bus daemon only delays the notifications.

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>

#include <vector>

class QDBusMessage;

namespace platform {

class TDesktopNotifier : public QObject {
    Q_OBJECT

public:
    // AppName is shown as the sender; ProgramName names both the icon and the desktop entry.
    TDesktopNotifier(QString AppName, QString ProgramName, QObject* Parent = nullptr);

    // Sends one notification; its body is taken as plain text, whatever the service renders.
    void Notify(const QString& Summary, const QString& Body);

signals:
    // The user chose the default action (usually a click) of one of these notifications.
    void DefaultAction();

private slots:
    void ActionInvoked(uint Id, const QString& Action, const QDBusMessage& Message);
    void NotificationClosed(uint Id, uint Reason, const QDBusMessage& Message);
    void ServiceOwnerChanged(const QString& Name, const QString& OldOwner, const QString& NewOwner);

private:
    struct TWaiting {
        QString Summary;
        QString Body;
    };

    enum class TBusState { Unreached, Reaching, Connected, Absent };

    void Reached(const QDBusConnection& Bus);
    void Ask(const QString& Summary, const QString& Body);
    void Send(const QString& Summary, const QString& Body);
    void Sent(uint Id, const QString& Owner);

    QString FAppName;
    QString FProgramName;
    TBusState FState = TBusState::Unreached;
    QDBusConnection FBus{QString()};
    // What was to be sent while the bus was being reached.
    std::vector<TWaiting> FWaiting;
    // The notifications sent and not yet closed, with the unique bus name of the service that
    // answered for each: only that one may report its actions or its closing. A new owner of
    // the service name knows nothing of them, so they are forgotten when the owner changes.
    QHash<uint, QString> FOpen;
};

} // namespace platform
