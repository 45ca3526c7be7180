#pragma once

// The days the calendar engine knows: every day of the Gregorian years 1600 to 2400. Code
// outside the engine asks these constants for the range instead of writing years of its own.

inline constexpr int FirstSupportedYear = 1600;
inline constexpr int LastSupportedYear = 2400;
