#pragma once

// Where the running program file lies, so that it can find the data files installed
// beside it.

#include <string>

namespace platform {

// The folder of the running program, ending in "/"; empty when it cannot be told.
std::string ProgramFolder();

} // namespace platform
