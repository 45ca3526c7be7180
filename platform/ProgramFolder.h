#pragma once

// Where the running program file lies, so that it can find the data files installed
// beside it, and so that it can be started again.

#include <string>

namespace platform {

// The absolute path of the running program; empty when it cannot be told.
std::string ProgramPath();

// The folder of the running program, ending in "/"; empty when it cannot be told.
std::string ProgramFolder();

} // namespace platform
