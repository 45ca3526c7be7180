#include "platform/dbus/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include <utility>

namespace platform {
namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
const QString DefaultActionKey = QStringLiteral("default");

QDBusMessage Call(const QString& Method) {
    return QDBusMessage::createMethodCall(Service, Path, Interface, Method);
}

// Runs Done with the reply once it has come, when it is not an error.
template <typename TReply, typename TDone>
void WhenAnswered(const QDBusMessage& Message, QObject* Context, TDone Done) {
    auto* Watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(Message), Context);
    QObject::connect(Watcher, &QDBusPendingCallWatcher::finished, Context,
                     [Done = std::move(Done)](QDBusPendingCallWatcher* Finished) {
                         const TReply Reply = *Finished;
                         if (!Reply.isError()) {
                             Done(Reply);
                         }
                         Finished->deleteLater();
                     });
}

} // namespace

TDesktopNotifier::TDesktopNotifier(QString AppName, QString ProgramName, QObject* Parent)
    : QObject(Parent), FAppName(std::move(AppName)), FProgramName(std::move(ProgramName)) {}

void TDesktopNotifier::Notify(const QString& Summary, const QString& Body) {
    QDBusConnection Bus = QDBusConnection::sessionBus();
    if (!Bus.isConnected()) {
        return;
    }
    // The bus is first reached here rather than at start-up, which it would slow down.
    if (!FListening) {
        FListening = true;
        Bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                    SLOT(ActionInvoked(uint, QString)));
        Bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                    SLOT(NotificationClosed(uint, uint)));
    }
    // A service that renders markup would take "<" and "&" in the body as tags, so it gets
    // the body escaped; it is asked first, since the answer may change with the service.
    WhenAnswered<QDBusPendingReply<QStringList>>(
        Call(QStringLiteral("GetCapabilities")), this,
        [this, Summary, Body](const QDBusPendingReply<QStringList>& Reply) {
            const bool Markup = Reply.value().contains(QStringLiteral("body-markup"));
            Send(Summary, Markup ? Body.toHtmlEscaped() : Body);
        });
}

void TDesktopNotifier::Send(const QString& Summary, const QString& Body) {
    QDBusMessage Message = Call(QStringLiteral("Notify"));
    const QVariantMap Hints{{QStringLiteral("desktop-entry"), FProgramName}};
    Message << FAppName << uint(0) << FProgramName << Summary << Body
            << QStringList{DefaultActionKey, FAppName} << Hints << int(-1);
    WhenAnswered<QDBusPendingReply<uint>>(
        Message, this,
        [this](const QDBusPendingReply<uint>& Reply) { FOpen.insert(Reply.value()); });
}

void TDesktopNotifier::ActionInvoked(uint Id, const QString& Action) {
    if (Action == DefaultActionKey && FOpen.contains(Id)) {
        emit DefaultAction();
    }
}

void TDesktopNotifier::NotificationClosed(uint Id, uint) {
    FOpen.remove(Id);
}

} // namespace platform
