#include "platform/dbus/ResumeSignal.h"

#include "platform/dbus/BusReach.h"

namespace platform {

TResumeSignal::TResumeSignal(QObject* Parent) : QObject(Parent) {
    // Subscribing asks the bus who owns logind's name, which a hung bus never answers: that
    // waits on a thread of its own. Only the owner's signals reach the slot.
    ReachBus(
        QDBusConnection::SystemBus, this,
        [this](QDBusConnection& Bus) {
            Bus.connect(QStringLiteral("org.freedesktop.login1"),
                        QStringLiteral("/org/freedesktop/login1"),
                        QStringLiteral("org.freedesktop.login1.Manager"),
                        QStringLiteral("PrepareForSleep"), this, SLOT(PrepareForSleep(bool)));
        },
        [this](const QDBusConnection& Bus) { FListening = Bus.isConnected(); });
}

void TResumeSignal::PrepareForSleep(bool Sleeping) {
    if (!Sleeping) {
        emit Resumed();
    }
}

} // namespace platform
