#pragma once

// Who the running process is.

namespace platform {

// True when the process runs with the effective user id 0.
bool RunningAsRoot();

} // namespace platform
