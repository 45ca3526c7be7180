#pragma once

// The lunar years 1599 to 2400 as one table, joined at compile time from the official years
// 1901 to 2050 (LunarTables.h) and the computed years around them (ComputedTables.h), with
// the first day of each year.

#include "calendar/ComputedTables.h"
#include "calendar/LunarTables.h"

#include <array>
#include <cstdint>

namespace calendar_tables {

inline constexpr int FirstYearOfLunarTable = FirstComputedLunarYear;
inline constexpr int LastYearOfLunarTable = LastComputedLunarYear;
inline constexpr int LunarTableYears = LastYearOfLunarTable - FirstYearOfLunarTable + 1;

struct TLunarYearEntry {
    std::uint16_t MonthBits = 0; // as LunarMonthBits
    std::uint8_t LeapMonth = 0;  // 0, or the month the leap month repeats
};

constexpr int NibbleAt(const auto& Nibbles, int Index) {
    const unsigned Byte = Nibbles[static_cast<std::size_t>(Index / 2)];
    return static_cast<int>(Index % 2 == 0 ? Byte >> 4 : Byte & 0x0F);
}

inline constexpr std::array<TLunarYearEntry, LunarTableYears> LunarYearEntries = [] {
    std::array<TLunarYearEntry, LunarTableYears> Entries{};
    for (int Year = FirstYearOfLunarTable; Year <= LastYearOfLunarTable; ++Year) {
        TLunarYearEntry& Entry = Entries[static_cast<std::size_t>(Year - FirstYearOfLunarTable)];
        if (Year < FirstLunarYear) {
            const int Index = Year - FirstYearOfLunarTable;
            Entry.MonthBits = EarlyLunarMonthBits[static_cast<std::size_t>(Index)];
            Entry.LeapMonth = static_cast<std::uint8_t>(NibbleAt(EarlyLeapMonthNibbles, Index));
        } else if (Year <= LastLunarYear) {
            const int Index = Year - FirstLunarYear;
            Entry.MonthBits =
                static_cast<std::uint16_t>(LunarMonthBits[static_cast<std::size_t>(Index)]);
            Entry.LeapMonth = static_cast<std::uint8_t>(NibbleAt(LeapMonthNibbles, Index));
        } else {
            const int Index = Year - LastLunarYear - 1;
            Entry.MonthBits = LateLunarMonthBits[static_cast<std::size_t>(Index)];
            Entry.LeapMonth = static_cast<std::uint8_t>(NibbleAt(LateLeapMonthNibbles, Index));
        }
    }
    return Entries;
}();

} // namespace calendar_tables
