// FillMonth including the grid's repaint, on a shown main window: the work behind every
// step of a held spinner button (one step every 100 ms).

#include "main/MonthLayout.h"
#include "main/UMain.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void FillMonthWithRepaint(benchmark::State& State) {
    QTemporaryDir Data;
    platform::SetDataFolder(Data.path().toStdString() + "/");
    platform::SetClock([] { return EncodeDateTime(2012, 10, 8, 10, 8, 8); });
    TfrmManyYear Window;
    Window.show();
    Window.FormActivate();
    QApplication::processEvents();
    int Month = 0;
    for (auto _ : State) {
        Window.FillMonth(2012, Month + 1);
        Month = (Month + 1) % 12;
    }
    platform::SetClock({});
    platform::SetDataFolder({});
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
