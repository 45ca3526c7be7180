// The Chinese names of years, lunar months, lunar days and digits.

#include "calendar/UCalendar.h"

#include "calendar/CycleTexts.h"

#include <array>
#include <string_view>

namespace {

using calendar_texts::CharacterAt;
using calendar_texts::CharBytes;
using calendar_texts::EarthlyBranches;
using calendar_texts::HeavenlyStems;
using calendar_texts::ZodiacAnimals;

// Every character of these texts takes three bytes in UTF-8.
constexpr std::string_view MonthNumerals = "正二三四五六七八九十";
constexpr std::string_view DayPrefixes = "初十廿三";
constexpr std::string_view DayNumerals = "一二三四五六七八九十";

static_assert(HeavenlyStems.size() == 10 * CharBytes);
static_assert(EarthlyBranches.size() == 12 * CharBytes);
static_assert(ZodiacAnimals.size() == 12 * CharBytes);
static_assert(MonthNumerals.size() == 10 * CharBytes);
static_assert(DayPrefixes.size() == 4 * CharBytes);
static_assert(DayNumerals.size() == 10 * CharBytes);

constexpr std::array<std::string_view, 10> DigitNames = {"零", "一", "二", "三", "四",
                                                         "五", "六", "七", "八", "九"};

// The extent of the UTF-8 character that begins at Text[Start], cut at the text's end and
// at the first byte that cannot continue it.
std::string_view CharacterFrom(std::string_view Text, std::size_t Start) {
    if (Start >= Text.size()) {
        return {};
    }
    const auto Lead = static_cast<unsigned char>(Text[Start]);
    std::size_t Length = 1;
    if ((Lead & 0xE0) == 0xC0) {
        Length = 2;
    } else if ((Lead & 0xF0) == 0xE0) {
        Length = 3;
    } else if ((Lead & 0xF8) == 0xF0) {
        Length = 4;
    }
    std::size_t End = Start + 1;
    while (End < Text.size() && End - Start < Length &&
           (static_cast<unsigned char>(Text[End]) & 0xC0) == 0x80) {
        ++End;
    }
    return Text.substr(Start, End - Start);
}

// The decimal value of a text of one character, as the text-to-integer conversion reads it.
int DigitValue(std::string_view Character) {
    if (Character.size() != 1 || Character[0] < '0' || Character[0] > '9') {
        throw EConvertError("'" + std::string(Character) + "' is not a valid integer value");
    }
    return Character[0] - '0';
}

} // namespace

std::string CyclicYearName(int Year) {
    if (Year < 4) {
        return {};
    }
    const int Cycle = Year - 4;
    std::string Name;
    Name += CharacterAt(HeavenlyStems, Cycle % 10);
    Name += CharacterAt(EarthlyBranches, Cycle % 12);
    Name += CharacterAt(ZodiacAnimals, Cycle % 12);
    Name += "年";
    return Name;
}

std::string LunarMonthName(int Month, bool LunarStyle) {
    if (Month < 1 || Month > 12) {
        return {};
    }
    if (Month == 1 && !LunarStyle) {
        return "一月";
    }
    std::string Name;
    if (Month <= 10) {
        Name += CharacterAt(MonthNumerals, Month - 1);
    } else {
        Name += Month == 11 ? "十一" : "十二";
    }
    Name += "月";
    return Name;
}

std::string LunarDayName(int Day) {
    if (Day < 1 || Day > 30) {
        return {};
    }
    std::string Name;
    if (Day % 10 == 0 && Day >= 20) {
        Name += CharacterAt(DayNumerals, Day / 10 - 1);
        Name += "十";
    } else {
        Name += CharacterAt(DayPrefixes, (Day - 1) / 10);
        Name += CharacterAt(DayNumerals, (Day - 1) % 10);
    }
    return Name;
}

std::string DigitName(int Digit) {
    if (Digit < 0 || Digit > 9) {
        return {};
    }
    return std::string(DigitNames[static_cast<std::size_t>(Digit)]);
}

std::string ChineseYearText(std::string_view YearText) {
    std::string Text;
    std::size_t Next = 0;
    for (int I = 0; I < 4; ++I) {
        const std::string_view Character = CharacterFrom(YearText, Next);
        Text += DigitName(DigitValue(Character));
        Next += Character.size();
    }
    Text += "年";
    return Text;
}
