#include "platform/dbus/ResumeSignal.h"

#include <QDBusConnection>
#include <QTimer>

namespace platform {

TResumeSignal::TResumeSignal(QObject* Parent) : QObject(Parent) {
    // Once the event loop runs: reaching the system bus would slow down the start-up.
    QTimer::singleShot(0, this, &TResumeSignal::Listen);
}

void TResumeSignal::Listen() {
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
