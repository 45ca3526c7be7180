#include "platform/dbus/DesktopNotifier.h"

#include "platform/dbus/BusReach.h"

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
const QString BusService = QStringLiteral("org.freedesktop.DBus");

QDBusMessage Call(const QString& Method) {
    return QDBusMessage::createMethodCall(Service, Path, Interface, Method);
}

// Runs Done with the reply once it has come, when it is not an error.
template <typename TReply, typename TDone>
void WhenAnswered(const QDBusConnection& Bus, const QDBusMessage& Message, QObject* Context,
                  TDone Done) {
    auto* Watcher = new QDBusPendingCallWatcher(Bus.asyncCall(Message), Context);
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

quint64 TDesktopNotifier::Notify(const QString& Summary, const QString& Body,
                                 const std::vector<TNoticeAction>& Actions) {
    TNotice Notice{Summary, Body, Actions, ++FLastNumber};
    switch (FState) {
    case TBusState::Connected:
        Ask(Notice);
        return Notice.Number;
    case TBusState::Absent:
        return Notice.Number;
    case TBusState::Reaching:
        FWaiting.push_back(std::move(Notice));
        return FLastNumber;
    case TBusState::Unreached:
        break;
    }
    // The bus is first reached here rather than at start-up: a calendar whose notes never
    // remind has no need of it.
    FState = TBusState::Reaching;
    FWaiting.push_back(std::move(Notice));
    ReachBus(
        QDBusConnection::SessionBus, this,
        [this](QDBusConnection& Bus) {
            Bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                        SLOT(ActionInvoked(uint, QString, QDBusMessage)));
            Bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                        SLOT(NotificationClosed(uint, uint, QDBusMessage)));
            Bus.connect(BusService, QStringLiteral("/org/freedesktop/DBus"), BusService,
                        QStringLiteral("NameOwnerChanged"), {Service}, QString(), this,
                        SLOT(ServiceOwnerChanged(QString, QString, QString)));
        },
        [this](const QDBusConnection& Bus) { Reached(Bus); });
    return FLastNumber;
}

void TDesktopNotifier::Reached(const QDBusConnection& Bus) {
    FBus = Bus;
    FState = Bus.isConnected() ? TBusState::Connected : TBusState::Absent;
    std::vector<TNotice> Waiting = std::exchange(FWaiting, {});
    if (FState == TBusState::Connected) {
        for (const TNotice& Notice : Waiting)
            Ask(Notice);
    }
}

void TDesktopNotifier::Ask(const TNotice& Notice) {
    // A service that renders markup would take "<" and "&" in the body as tags, so it gets
    // the body escaped; it is asked first, since the answer may change with the service.
    WhenAnswered<QDBusPendingReply<QStringList>>(
        FBus, Call(QStringLiteral("GetCapabilities")), this,
        [this, Notice](const QDBusPendingReply<QStringList>& Reply) {
            TNotice Sending = Notice;
            if (Reply.value().contains(QStringLiteral("body-markup")))
                Sending.Body = Sending.Body.toHtmlEscaped();
            Send(Sending);
        });
}

void TDesktopNotifier::Send(const TNotice& Notice) {
    QDBusMessage Message = Call(QStringLiteral("Notify"));
    const QVariantMap Hints{{QStringLiteral("desktop-entry"), FProgramName}};
    QStringList Actions{DefaultActionKey, FAppName};
    for (const TNoticeAction& Action : Notice.Actions)
        Actions << Action.Key << Action.Label;
    Message << FAppName << uint(0) << FProgramName << Notice.Summary << Notice.Body << Actions
            << Hints << int(-1);
    WhenAnswered<QDBusPendingReply<uint>>(
        FBus, Message, this, [this, Number = Notice.Number](const QDBusPendingReply<uint>& Reply) {
            Sent(Reply.value(), Reply.reply().service(), Number);
        });
}

void TDesktopNotifier::Sent(uint Id, const QString& Owner, quint64 Number) {
    // An answer from another owner than before: the name has passed on meanwhile.
    if (!FOpen.isEmpty() && FOpen.begin()->Owner != Owner)
        FOpen.clear();
    FOpen.insert(Id, {Owner, Number});
}

void TDesktopNotifier::ActionInvoked(uint Id, const QString& Action, const QDBusMessage& Message) {
    const auto Open = FOpen.constFind(Id);
    if (Open == FOpen.constEnd() || Open->Owner != Message.service())
        return;
    if (Action == DefaultActionKey)
        emit DefaultAction();
    else
        emit ActionChosen(Open->Number, Action);
}

void TDesktopNotifier::NotificationClosed(uint Id, uint, const QDBusMessage& Message) {
    const auto Open = FOpen.constFind(Id);
    if (Open != FOpen.constEnd() && Open->Owner == Message.service())
        FOpen.erase(Open);
}

void TDesktopNotifier::ServiceOwnerChanged(const QString&, const QString&, const QString&) {
    FOpen.clear();
}

} // namespace platform
