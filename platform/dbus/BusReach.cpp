#include "platform/dbus/BusReach.h"

#include <QCoreApplication>
#include <QPointer>

#include <thread>
#include <utility>

namespace platform {

void ReachBus(QDBusConnection::BusType Type, QObject* Context, TBusSetUp SetUp, TBusReady Ready) {
    // Detached: a thread waiting on a hung daemon must not hold up the end of the program.
    std::thread([Type, Guard = QPointer<QObject>(Context), SetUp = std::move(SetUp),
                 Ready = std::move(Ready)] {
        QDBusConnection Bus = Type == QDBusConnection::SystemBus ? QDBusConnection::systemBus()
                                                                 : QDBusConnection::sessionBus();
        if (Bus.isConnected() && Guard)
            SetUp(Bus);
        QCoreApplication* Application = QCoreApplication::instance();
        if (Application == nullptr)
            return;
        QMetaObject::invokeMethod(
            Application,
            [Guard, Ready, Bus] {
                if (Guard)
                    Ready(Bus);
            },
            Qt::QueuedConnection);
    }).detach();
}

} // namespace platform
