// The full details of a day (lunar date with its leap flag, the four pillars, the term, the
// Gregorian and traditional festivals and the public holiday), for one day and for every
// day of a month; the goal is at most 2 us a day.

#include "calendar/DayDetails.h"
#include "platform/HolidayFiles.h"

#include <benchmark/benchmark.h>

namespace {

const THolidayTable& Holidays() {
    static const THolidaysRead Read = ReadHolidayFiles();
    return Read.Table;
}

void BM_DayDetailsOneDay(benchmark::State& State) {
    const THolidayTable& Table = Holidays();
    for (auto _ : State) {
        benchmark::DoNotOptimize(DayDetailsOf(2024, 2, 10, Table));
    }
    State.counters["per_day"] = benchmark::Counter(
        1, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DayDetailsOneDay);

void BM_DayDetailsOneMonth(benchmark::State& State) {
    const THolidayTable& Table = Holidays();
    const int Days = GetMonthDays(2024, 2);
    for (auto _ : State) {
        for (int Day = 1; Day <= Days; ++Day) {
            const auto Details = DayDetailsOf(2024, 2, Day, Table);
            benchmark::DoNotOptimize(Details);
            benchmark::DoNotOptimize(LongLunarText(Details->Lunar));
        }
    }
    State.counters["per_day"] = benchmark::Counter(
        Days, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DayDetailsOneMonth);

// The main window reads the holiday files once, when it lays out its first month.
void BM_ReadHolidayFiles(benchmark::State& State) {
    for (auto _ : State) {
        benchmark::DoNotOptimize(ReadHolidayFiles());
    }
}
BENCHMARK(BM_ReadHolidayFiles)->Unit(benchmark::kMicrosecond);

} // namespace
