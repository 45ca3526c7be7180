// Speed of the Gregorian to lunar conversion over the days of the official tables (1901 ..
// 2050) and over every supported day (1600 .. 2400), beside the plain year-by-year walk; of
// the moment of a solar term; and of the texts of one month's 42 grid cells.

#include "NaiveLunarWalk.h"

#include "calendar/TermMoments.h"
#include "calendar/UCalendar.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct TDate {
    int Year, Month, Day;
};

std::vector<TDate> DaysOfYears(int First, int Last) {
    std::vector<TDate> All;
    for (int Year = First; Year <= Last; ++Year) {
        for (int Month = 1; Month <= 12; ++Month) {
            for (int Day = 1; Day <= GetMonthDays(Year, Month); ++Day) {
                All.push_back({Year, Month, Day});
            }
        }
    }
    return All;
}

const std::vector<TDate>& OfficialDays() {
    static const std::vector<TDate> Days = DaysOfYears(1901, 2050);
    return Days;
}

const std::vector<TDate>& SupportedDays() {
    static const std::vector<TDate> Days = DaysOfYears(FirstSupportedYear, LastSupportedYear);
    return Days;
}

template <bool (*Convert)(int, int, int, int&, int&, int&), const std::vector<TDate>& (*DaysOf)()>
void ConvertEveryDay(benchmark::State& State) {
    const std::vector<TDate>& Days = DaysOf();
    for (auto _ : State) {
        for (const TDate& Date : Days) {
            int Year = 0, Month = 0, Day = 0;
            benchmark::DoNotOptimize(Convert(Date.Year, Date.Month, Date.Day, Year, Month, Day));
            benchmark::DoNotOptimize(Year + Month + Day);
        }
    }
    State.counters["per_conversion"] = benchmark::Counter(
        static_cast<double>(Days.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_SolarToLunar(benchmark::State& State) {
    ConvertEveryDay<SolarToLunar, OfficialDays>(State);
}
BENCHMARK(BM_SolarToLunar)->Unit(benchmark::kMillisecond);

void BM_SolarToLunarWholeRange(benchmark::State& State) {
    ConvertEveryDay<SolarToLunar, SupportedDays>(State);
}
BENCHMARK(BM_SolarToLunarWholeRange)->Unit(benchmark::kMillisecond);

void BM_NaiveYearWalk(benchmark::State& State) {
    ConvertEveryDay<NaiveSolarToLunar, OfficialDays>(State);
}
BENCHMARK(BM_NaiveYearWalk)->Unit(benchmark::kMillisecond);

// Every term moment of the supported years.
void BM_SolarTermMoment(benchmark::State& State) {
    for (auto _ : State) {
        for (int Year = FirstSupportedYear; Year <= LastSupportedYear; ++Year) {
            for (int Number = 1; Number <= 24; ++Number) {
                TTermMoment Moment;
                benchmark::DoNotOptimize(SolarTermMoment(Year, Number, Moment));
                benchmark::DoNotOptimize(Moment.Minute);
            }
        }
    }
    State.counters["per_moment"] = benchmark::Counter(
        (LastSupportedYear - FirstSupportedYear + 1) * 24.0,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SolarTermMoment)->Unit(benchmark::kMillisecond);

// The 42 cells of a month page, Sunday first: the day number, the lunar day (the lunar
// month's name on its first day) and the solar term, one per line; cells outside the
// month stay empty.
std::array<std::string, 42> MonthCells(int Year, int Month) {
    std::array<std::string, 42> Cells;
    const int FirstColumn = GetWeekDay(Year, Month, 1) - 1;
    const int LastDay = GetMonthDays(Year, Month);
    for (int Day = 1; Day <= LastDay; ++Day) {
        int LunarYear = 0, LunarMonth = 0, LunarDay = 0;
        SolarToLunar(Year, Month, Day, LunarYear, LunarMonth, LunarDay);
        std::string& Cell = Cells[static_cast<std::size_t>(FirstColumn + Day - 1)];
        Cell = std::to_string(Day);
        Cell += '\r';
        Cell += LunarDay == 1 ? LunarMonthName(LunarMonth, true) : LunarDayName(LunarDay);
        Cell += '\r';
        Cell += SolarTermName(EncodeDate(Year, Month, Day));
    }
    return Cells;
}

void BM_MonthLayout(benchmark::State& State) {
    int Year = 1901, Month = 1;
    for (auto _ : State) {
        benchmark::DoNotOptimize(MonthCells(Year, Month));
        if (++Month > 12) {
            Month = 1;
            Year = Year == 2050 ? 1901 : Year + 1;
        }
    }
}
BENCHMARK(BM_MonthLayout)->Unit(benchmark::kMicrosecond);

// The comparison with the walk only means something while both give the same dates.
bool ConversionsAgree() {
    for (const TDate& Date : SupportedDays()) {
        int Year = 0, Month = 0, Day = 0, WalkYear = 0, WalkMonth = 0, WalkDay = 0;
        SolarToLunar(Date.Year, Date.Month, Date.Day, Year, Month, Day);
        NaiveSolarToLunar(Date.Year, Date.Month, Date.Day, WalkYear, WalkMonth, WalkDay);
        if (Year != WalkYear || Month != WalkMonth || Day != WalkDay) {
            std::fprintf(stderr, "%d-%d-%d: %d-%d-%d, the walk gives %d-%d-%d\n", Date.Year,
                         Date.Month, Date.Day, Year, Month, Day, WalkYear, WalkMonth, WalkDay);
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv) || !ConversionsAgree()) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
