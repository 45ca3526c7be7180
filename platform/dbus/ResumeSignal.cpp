#include "platform/dbus/ResumeSignal.h"

#include <QDBusConnection>

namespace platform {

TResumeSignal::TResumeSignal(QObject* Parent) : QObject(Parent) {
    QDBusConnection Bus = QDBusConnection::systemBus();
    if (Bus.isConnected()) {
        Bus.connect(QStringLiteral("org.freedesktop.login1"),
                    QStringLiteral("/org/freedesktop/login1"),
                    QStringLiteral("org.freedesktop.login1.Manager"),
                    QStringLiteral("PrepareForSleep"), this, SLOT(PrepareForSleep(bool)));
    }
}

void TResumeSignal::PrepareForSleep(bool Sleeping) {
    if (!Sleeping) {
        emit Resumed();
    }
}

} // namespace platform
