#pragma once

// The characters of the sixty-year cycle, in cycle order; each takes three bytes in UTF-8.

#include <string_view>

namespace calendar_texts {

inline constexpr std::size_t CharBytes = 3;
inline constexpr std::string_view HeavenlyStems = "甲乙丙丁戊己庚辛壬癸";
inline constexpr std::string_view EarthlyBranches = "子丑寅卯辰巳午未申酉戌亥";
inline constexpr std::string_view ZodiacAnimals = "鼠牛虎兔龙蛇马羊猴鸡狗猪";

// The character at Position of one of these texts.
constexpr std::string_view CharacterAt(std::string_view Text, int Position) {
    return Text.substr(static_cast<std::size_t>(Position) * CharBytes, CharBytes);
}

} // namespace calendar_texts
