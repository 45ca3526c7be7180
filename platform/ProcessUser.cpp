#include "platform/ProcessUser.h"

#include <unistd.h>

namespace platform {

bool RunningAsRoot() {
    return geteuid() == 0;
}

} // namespace platform
