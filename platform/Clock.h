#pragma once

// The program's one clock. Every "now" and "today" reads it, so tests can set the time.

#include "calendar/UDateTime.h"

#include <functional>

namespace platform {

using ClockFunction = std::function<TDateTime()>;

// The local date and time now: the system clock, or the clock set by SetClock.
TDateTime Now();

// Replaces the clock; an empty function restores the system clock.
void SetClock(ClockFunction Clock);

} // namespace platform
