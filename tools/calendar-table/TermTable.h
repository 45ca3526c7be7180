#pragma once

// The compact form of the term moments (minutes since 1970-01-01 00:00 UTC+8) of the years
// 1600 to 2400, as calendar/ComputedTables.h holds it and calendar/TermMoments.cpp reads it.
//
// Each term follows a smooth line through knots 32 years apart (the mean of the moments
// around the knot, less the mean tropical year); what remains is the pull of the planets,
// the Moon and nutation, within some twenty minutes. A year keeps that remainder as one
// common offset (8 bits) and 24 residuals of 5 bits, in two 64-bit words.

#include <array>
#include <cstdint>
#include <vector>

inline constexpr int TermTableFirstYear = 1600;
inline constexpr int TermTableLastYear = 2400;
inline constexpr int TermKnotYears = 32;
inline constexpr int TermKnotCount = (TermTableLastYear - TermTableFirstYear) / TermKnotYears + 1;
inline constexpr std::int64_t TermKnotStepMinutes = 16830360; // 32 mean tropical years

struct TTermTable {
    std::array<std::int32_t, 24> FirstKnots{};
    std::vector<std::array<std::int8_t, 24>> KnotSteps;      // TermKnotCount - 1 rows
    std::vector<std::array<std::uint64_t, 2>> YearResiduals; // one row a year
};

// Moments[(Year - 1600) * 24 + Index]. Throws when a value does not fit its bits.
TTermTable EncodeTermTable(const std::vector<std::int64_t>& Moments);

// The moment the table gives back, the way the engine computes it.
std::int64_t DecodeTermMoment(const TTermTable& Table, int Year, int Index);
