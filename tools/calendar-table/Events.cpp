#include "Events.h"

#include "Astronomy.h"

#include <chrono>
#include <cmath>

namespace {

constexpr double JulianDateOf1970 = 2440587.5;
constexpr double ChinaOffsetDays = 8.0 / 24;

double JulianDateTTOf(TLocalInstant When) {
    return TerrestrialFromUniversal(When - ChinaOffsetDays + JulianDateOf1970);
}

TLocalInstant LocalInstantOf(double JulianDateTT) {
    return UniversalFromTerrestrial(JulianDateTT) - JulianDateOf1970 + ChinaOffsetDays;
}

constexpr double SynodicMonth = 29.530588861;
// A mean new moon (Meeus), Julian date in TT.
constexpr double MeanNewMoon2000 = 2451550.09766;

} // namespace

std::vector<TTermInstant> SolarTermInstants(int FirstYear, int LastYear) {
    std::vector<TTermInstant> Terms;
    for (int Year = FirstYear; Year <= LastYear; ++Year) {
        const double NewYear = JulianDateTTOf(DayNumber(Year, 1, 1));
        for (int Index = 0; Index < 24; ++Index) {
            const double Longitude = std::fmod(285.0 + 15 * Index, 360.0);
            const double Guess = NewYear + 5.5 + 15.218 * Index;
            Terms.push_back({Year, Index, LocalInstantOf(SunReachesLongitude(Longitude, Guess))});
        }
    }
    return Terms;
}

std::vector<TLocalInstant> NewMoonInstants(TLocalInstant From, TLocalInstant To) {
    std::vector<TLocalInstant> Moons;
    const double First = std::floor((JulianDateTTOf(From) - MeanNewMoon2000) / SynodicMonth) - 1;
    const double Last = std::ceil((JulianDateTTOf(To) - MeanNewMoon2000) / SynodicMonth) + 1;
    for (double K = First; K <= Last; ++K) {
        Moons.push_back(LocalInstantOf(NewMoonNear(MeanNewMoon2000 + SynodicMonth * K)));
    }
    return Moons;
}

int LocalDay(TLocalInstant When) {
    return static_cast<int>(std::floor(When));
}

int LocalMinuteOfDay(TLocalInstant When) {
    const int Minute = static_cast<int>(std::lround((When - std::floor(When)) * 1440));
    return Minute > 1439 ? 1439 : Minute;
}

int DayNumber(int Year, int Month, int Day) {
    using namespace std::chrono;
    const sys_days Date{year_month_day{year{Year}, month{static_cast<unsigned>(Month)},
                                       day{static_cast<unsigned>(Day)}}};
    return Date.time_since_epoch().count();
}

void DateOfDayNumber(int Days, int& Year, int& Month, int& Day) {
    using namespace std::chrono;
    const year_month_day Date{sys_days{days{Days}}};
    Year = static_cast<int>(Date.year());
    Month = static_cast<int>(static_cast<unsigned>(Date.month()));
    Day = static_cast<int>(static_cast<unsigned>(Date.day()));
}
