#include "calendar/TraditionalFestivals.h"

#include "calendar/LunarTables.h"

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

constexpr bool NoTwelfthLeapMonth() {
    for (const unsigned Byte : calendar_tables::LeapMonthNibbles) {
        if ((Byte >> 4) == 12 || (Byte & 0x0F) == 12) {
            return false;
        }
    }
    return true;
}
static_assert(NoTwelfthLeapMonth(), "a repeated twelfth month would need another 除夕 rule");

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
        // The twelfth month is never repeated, so its last day ends the lunar year.
        if (Lunar.Month == 12 &&
            Lunar.Day == static_cast<int>(GetLunarMonthDays(Lunar.Year, 12) & 0xFFFF)) {
            Add(List, "除夕");
        }
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
