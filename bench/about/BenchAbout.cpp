// What one opening of the About window spends on version information: the ELF section of
// the calendar's file found, read and decoded, and the ten strings filled.

#include "about/ExeInfo.h"
#include "platform/FileVersionInfo.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ReadFileVersionInfo(benchmark::State& State) {
    for (auto _ : State) {
        benchmark::DoNotOptimize(platform::ReadFileVersionInfo(RUXA_PROGRAM_FILE));
    }
}
BENCHMARK(BM_ReadFileVersionInfo);

void BM_ExeInfoConstructionAndRead(benchmark::State& State) {
    const QString Program = QStringLiteral(RUXA_PROGRAM_FILE);
    for (auto _ : State) {
        TExeInfo Info(nullptr);
        Info.ReadVersionInfo(Program);
        benchmark::DoNotOptimize(Info.ProductVersion());
    }
}
BENCHMARK(BM_ExeInfoConstructionAndRead);

} // namespace

BENCHMARK_MAIN();
