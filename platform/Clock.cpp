#include "platform/Clock.h"

#include <ctime>
#include <utility>

namespace platform {
namespace {

ClockFunction& InjectedClock() {
    static ClockFunction Clock;
    return Clock;
}

TDateTime SystemNow() {
    using namespace std::chrono;
    const auto Now = system_clock::now();
    const std::time_t Seconds = system_clock::to_time_t(Now);
    std::tm Local{};
    localtime_r(&Seconds, &Local);
    const auto Millis = duration_cast<milliseconds>(Now.time_since_epoch()).count() % 1000;
    return EncodeDateTime(Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday, Local.tm_hour,
                          Local.tm_min, Local.tm_sec > 59 ? 59 : Local.tm_sec,
                          static_cast<int>(Millis < 0 ? 0 : Millis));
}

} // namespace

TDateTime Now() {
    const ClockFunction& Clock = InjectedClock();
    return Clock ? Clock() : SystemNow();
}

void SetClock(ClockFunction Clock) {
    InjectedClock() = std::move(Clock);
}

} // namespace platform
