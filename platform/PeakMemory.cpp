#include "platform/PeakMemory.h"

#include <fstream>
#include <malloc.h>
#include <string>

namespace platform {
namespace {

// A "Name:   1234 kB" line of /proc/self/status, in bytes.
std::size_t StatusValue(const std::string& Name) {
    std::ifstream Status("/proc/self/status");
    std::string Line;
    while (std::getline(Status, Line)) {
        if (Line.compare(0, Name.size() + 1, Name + ":") == 0) {
            return std::stoull(Line.substr(Name.size() + 1)) * 1024;
        }
    }
    return 0;
}

} // namespace

bool ResetPeakMemory() {
    // Memory freed earlier but still held by the allocator would hide what comes next.
    malloc_trim(0);
    std::ofstream ClearRefs("/proc/self/clear_refs");
    ClearRefs << "5";
    ClearRefs.flush();
    return static_cast<bool>(ClearRefs);
}

std::size_t ResidentMemory() {
    return StatusValue("VmRSS");
}

std::size_t PeakResidentMemory() {
    return StatusValue("VmHWM");
}

} // namespace platform
