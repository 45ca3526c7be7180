#include "calendar/TraditionalFestivals.h"

#include <cstdint>

namespace {

struct TLunarFestival {
    int Month;
    int Day;
    std::string_view Name;
};

constexpr std::array<TLunarFestival, 13> LunarFestivals = {{
    {1, 1, "春节"},
    {1, 15, "元宵节"},
    {2, 2, "龙抬头"},
    {5, 5, "端午节"},
    {7, 7, "七夕节"},
    {7, 15, "中元节"},
    {8, 15, "中秋节"},
    {9, 9, "重阳节"},
    {10, 1, "寒衣节"},
    {10, 15, "下元节"},
    {12, 8, "腊八节"},
    {12, 23, "北方小年"},
    {12, 24, "南方小年"},
}};

// 除夕 is the last day of the lunar year: of the twelfth month, or of its leap month when
// the twelfth month is repeated.
bool IsLastDayOfYear(const TLunarDate& Lunar) {
    if (Lunar.Month != 12) {
        return false;
    }
    const std::uint32_t Days = GetLunarMonthDays(Lunar.Year, 12);
    const bool LeapEnds = (Days >> 16) != 0;
    return Lunar.Leap == LeapEnds &&
           Lunar.Day == static_cast<int>(LeapEnds ? Days >> 16 : Days & 0xFFFF);
}

// 清明 is term 7, in April.
constexpr int QingmingTerm = 7;

void Add(TFestivalList& List, std::string_view Name) {
    if (List.Count < static_cast<int>(List.Names.size())) {
        List.Names[static_cast<std::size_t>(List.Count++)] = Name;
    }
}

} // namespace

TFestivalList TraditionalFestivals(int Year, int Month, int Day, const TLunarDate& Lunar) {
    TFestivalList List;
    if (!Lunar.Leap) {
        for (const TLunarFestival& Festival : LunarFestivals) {
            if (Festival.Month == Lunar.Month && Festival.Day == Lunar.Day) {
                Add(List, Festival.Name);
            }
        }
    }
    if (IsLastDayOfYear(Lunar)) {
        Add(List, "除夕");
    }
    if (Month == 4) {
        if (GetSolarTermNo(Year, 4, Day) == QingmingTerm) {
            Add(List, "清明节");
        } else if (GetSolarTermNo(Year, 4, Day + 1) == QingmingTerm) {
            Add(List, "寒食节");
        }
    }
    return List;
}
