#pragma once

// What a terminal program needs to know about where its output goes.

namespace platform {

// True when standard output is a terminal and NO_COLOR is unset or empty.
bool ColourOnStandardOutput();

} // namespace platform
