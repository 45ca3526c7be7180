#pragma once

// Whether a message bus daemon answers at all. A daemon that hangs still takes connections
// into its queue, and whoever then waits for its answer waits for as long as it hangs: the
// libraries that reach the buses on the window's thread would hang the window with it. So
// the program asks each bus once, briefly, on its own, before anything else reaches it.

#include <chrono>
#include <string>
#include <vector>

namespace platform {

// True when the first of Address's unix sockets that takes a connection (as a client tries
// them, in turn) does not answer the start of the authentication within Limit. Sockets that
// are not there or refuse are passed over, as a client passes over them; an address with no
// socket that takes the connection is not silent (connecting fails at once), nor are entries
// of other kinds, not asked.
bool BusIsSilent(const std::string& Address, std::chrono::milliseconds Limit);

enum class TBus { Session, System };

// Asks the session and the system bus at once (their addresses from the environment, the
// system bus's usual socket when it names none) and points the environment of each that is
// silent at an address where connecting fails at once, so that nothing in this process or
// its children waits on it. The buses given up on.
std::vector<TBus> LeaveSilentBuses(std::chrono::milliseconds Limit);

} // namespace platform
