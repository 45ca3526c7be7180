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

// An action a notification offers beside its default one: Key comes back with the choice,
// Label is what the user reads.
struct TNoticeAction {
    QString Key;
    QString Label;
};

class TDesktopNotifier : public QObject {
    Q_OBJECT

public:
    // AppName is shown as the sender; ProgramName names both the icon and the desktop entry.
    TDesktopNotifier(QString AppName, QString ProgramName, QObject* Parent = nullptr);

    // Sends one notification; its body is taken as plain text, whatever the service renders.
    // Returns the notification's number in this notifier, which ActionChosen reports.
    quint64 Notify(const QString& Summary, const QString& Body,
                   const std::vector<TNoticeAction>& Actions = {});

signals:
    // The user chose the default action (usually a click) of one of these notifications.
    void DefaultAction();
    // The user chose the action Key of the notification numbered Notice.
    void ActionChosen(quint64 Notice, const QString& Key);

private slots:
    void ActionInvoked(uint Id, const QString& Action, const QDBusMessage& Message);
    void NotificationClosed(uint Id, uint Reason, const QDBusMessage& Message);
    void ServiceOwnerChanged(const QString& Name, const QString& OldOwner, const QString& NewOwner);

private:
    struct TNotice {
        QString Summary;
        QString Body;
        std::vector<TNoticeAction> Actions;
        quint64 Number = 0;
    };

    struct TOpen {
        QString Owner;
        quint64 Number = 0;
    };

    enum class TBusState { Unreached, Reaching, Connected, Absent };

    void Reached(const QDBusConnection& Bus);
    void Ask(const TNotice& Notice);
    void Send(const TNotice& Notice);
    void Sent(uint Id, const QString& Owner, quint64 Number);

    QString FAppName;
    QString FProgramName;
    TBusState FState = TBusState::Unreached;
    QDBusConnection FBus{QString()};
    // What was to be sent while the bus was being reached.
    std::vector<TNotice> FWaiting;
    quint64 FLastNumber = 0;
    // The notifications sent and not yet closed, with the unique bus name of the service that
    // answered for each and their numbers: only that one may report its actions or its closing. A
    // new owner of the service name knows nothing of them, so they are forgotten when the owner
    // changes.
    QHash<uint, TOpen> FOpen;
};

} // namespace platform
