// FillMonth including the grid's repaint, on a shown main window: the work behind every
// step of a held spinner button (one step every 100 ms).

#include "main/MonthLayout.h"
#include "tools/screenshots/SampleDayWindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void FillMonthWithRepaint(benchmark::State& State) {
    TSampleDayWindow Sample;
    int Month = 0;
    for (auto _ : State) {
        Sample.Window().FillMonth(2012, Month + 1);
        Month = (Month + 1) % 12;
    }
}
BENCHMARK(FillMonthWithRepaint)->Unit(benchmark::kMicrosecond);

void MonthCellTexts(benchmark::State& State) {
    int Month = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(LayOutMonth(2012, Month + 1));
        Month = (Month + 1) % 12;
    }
}
BENCHMARK(MonthCellTexts)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    QApplication Application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
