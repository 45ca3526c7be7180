#pragma once

// The test run's own session and system buses, made the process's buses before any code
// connects to either, with a stand-in for logind on the system one.

#include <QString>

namespace testbus {

// The session bus's address; empty when no bus could be started.
const QString& SessionAddress();
// The system bus's address; empty when no bus could be started.
const QString& SystemAddress();
// Stops the daemon of the session or the system bus, or lets it go on (see TTestBus::Hang).
void HangSessionBus(bool Hung);
void HangSystemBus(bool Hung);
// Sends logind's PrepareForSleep signal on the system bus and returns once the program's
// system bus connection has received it.
void SendPrepareForSleep(bool Sleeping);
// Sends a PrepareForSleep signal like logind's, but from another connection than the one
// owning logind's name, and returns once the program's connection has received it.
void SendPrepareForSleepAsAnother(bool Sleeping);
// Returns once every message the session bus connection of the program sent to the
// notification service before this call has reached it.
void RoundTripToNotifications();

} // namespace testbus
