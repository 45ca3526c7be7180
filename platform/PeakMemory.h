#pragma once

// The process's resident memory and its high-water mark, for the benchmarks' figures.

#include <cstddef>

namespace platform {

// Resets the high-water mark of the resident memory to what is resident now. False where
// the system cannot reset it.
bool ResetPeakMemory();

// The resident memory now, and its highest value since the start or the last reset, in
// bytes; 0 where the system does not tell.
std::size_t ResidentMemory();
std::size_t PeakResidentMemory();

} // namespace platform
