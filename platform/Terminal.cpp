#include "platform/Terminal.h"

#include <cstdlib>
#include <unistd.h>

namespace platform {

bool ColourOnStandardOutput() {
    const char* NoColour = std::getenv("NO_COLOR");
    return ::isatty(STDOUT_FILENO) == 1 && (NoColour == nullptr || *NoColour == '\0');
}

} // namespace platform
