#pragma once

// Desktop notifications through the freedesktop notification service on the session bus.
// Without a session bus or without the service a notification is dropped and nothing is
// reported: the caller's own way of telling the user stays the one that always works.

#include <QObject>
#include <QSet>
#include <QString>

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
    void ActionInvoked(uint Id, const QString& Action);
    void NotificationClosed(uint Id, uint Reason);

private:
    void Send(const QString& Summary, const QString& Body);

    QString FAppName;
    QString FProgramName;
    bool FListening = false;
    // The notifications sent and not yet closed; actions of other programs' are ignored.
    QSet<uint> FOpen;
};

} // namespace platform
