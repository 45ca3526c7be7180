#include "calendar/GanZhi.h"

#include "calendar/CycleTexts.h"
#include "calendar/TermMoments.h"

#include <chrono>

namespace {

using calendar_texts::CharacterAt;

constexpr int Cycle(long long Value) {
    return static_cast<int>((Value % 60 + 60) % 60);
}

// The day of the month's first term, which is always a 节 (小寒 in January, 立春 in
// February, ...).
int JieDay(int Year, int Month) {
    return SolarTermDay(Year, 2 * Month - 1);
}

// 1970-01-01 was a 辛巳 day, place 17 in the cycle.
constexpr int PillarOf19700101 = 17;
// Counting months as year * 12 + month - 1, the month of 立春 2024 (2024 * 12 + 1) is
// 丙寅, place 2.
constexpr int MonthCountOffset = 13;
static_assert(Cycle(2024LL * 12 + 1 + MonthCountOffset) == 2);

} // namespace

int YearPillar(int Year, int Month, int Day) {
    const bool BeforeSpring = Month == 1 || (Month == 2 && Day < JieDay(Year, 2));
    return LunarYearPillar(BeforeSpring ? Year - 1 : Year);
}

int MonthPillar(int Year, int Month, int Day) {
    const long long Months = Year * 12LL + Month - 1 - (Day < JieDay(Year, Month) ? 1 : 0);
    return Cycle(Months + MonthCountOffset);
}

int DayPillar(int Year, int Month, int Day) {
    using namespace std::chrono;
    const sys_days Date{year_month_day{year{Year}, month{static_cast<unsigned>(Month)},
                                       day{static_cast<unsigned>(Day)}}};
    return Cycle(Date.time_since_epoch().count() + PillarOf19700101);
}

int LunarYearPillar(int LunarYear) {
    return Cycle(LunarYear - 4);
}

std::string PillarName(int Pillar) {
    std::string Name;
    Name += CharacterAt(calendar_texts::HeavenlyStems, Pillar % 10);
    Name += CharacterAt(calendar_texts::EarthlyBranches, Pillar % 12);
    return Name;
}

std::string_view PillarAnimal(int Pillar) {
    return CharacterAt(calendar_texts::ZodiacAnimals, Pillar % 12);
}
