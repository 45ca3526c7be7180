#pragma once

// Reaching a message bus without the calling thread ever waiting on it. Connecting to a bus,
// and subscribing to a signal of a named service (which asks the bus who owns the name),
// wait for the bus daemon's answers; a daemon that hangs would hang the window with them. So
// both run on a thread of their own, and the window's thread only hears the outcome.

#include <QDBusConnection>
#include <QObject>

#include <functional>

namespace platform {

using TBusSetUp = std::function<void(QDBusConnection& Bus)>;
using TBusReady = std::function<void(const QDBusConnection& Bus)>;

// Connects to the bus of Type on a thread of its own and there, once connected, runs SetUp
// (subscriptions to signals). Then Ready runs on the application's thread with the
// connection, connected or not, unless Context has gone by then.
void ReachBus(QDBusConnection::BusType Type, QObject* Context, TBusSetUp SetUp, TBusReady Ready);

} // namespace platform
