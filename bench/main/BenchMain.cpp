// FillMonth including the grid's repaint, on a shown main window: the work behind every
// step of a held spinner button (one step every 100 ms). And a day tooltip with a note title
// of a million characters.

#include "main/DayCellHints.h"
#include "main/MonthLayout.h"
#include "platform/DataFolder.h"
#include "platform/PeakMemory.h"
#include "tools/screenshots/SampleDayWindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

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

// The day tooltip of a day whose note has a title of a million characters: the text the
// cell hands to QToolTip, laid out as QToolTip lays it out, with the peak memory of the run.
void DayToolTipOfAMillionCharacterTitle(benchmark::State& State) {
    QTemporaryDir Data;
    platform::SetDataFolder(Data.path().toStdString() + "/");
    std::ofstream(Data.filePath(QStringLiteral("Notes.xml")).toStdString(), std::ios::binary)
        << "<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表><Date2024-02-10><标题>"
        << std::string(1000000, 'A')
        << "</标题><日期/><提醒>否</提醒><内容/></Date2024-02-10></便签列表>";
    for (auto _ : State) {
        QTextDocument Layout;
        Layout.setHtml(DayCellToolTip(2024, 2, 6, 2));
        benchmark::DoNotOptimize(Layout.size());
    }
    State.counters["peak_MiB"] = static_cast<double>(platform::PeakResidentMemory()) / (1 << 20);
    platform::SetDataFolder({});
}
BENCHMARK(DayToolTipOfAMillionCharacterTitle)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    QApplication Application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
