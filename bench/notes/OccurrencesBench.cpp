// Which notes fall on a day, with a notes file of ten years of four notes a day plus 1,000
// repeating notes of every rule: the reading after the file changed (the alarm then knows
// today's reminders), the look of an unchanged file, a month of grid marks and a tooltip.

#include "TenYearNotesFile.h"

#include "notes/NoteOccurrences.h"
#include "notes/UNotesFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace {

using namespace std::chrono;

const TDateTime LastDay = EncodeDateTime(2024, 12, 31, 14, 0, 0);

const std::string& PreparedFile() {
    static const std::string FileName = PrepareNotesFile(TenYearNotesFile(LastDay, 1000), LastDay);
    return FileName;
}

void Report(benchmark::State& State) {
    const notes::TNotesIndex& Index = notes::SharedNotesIndex(PreparedFile());
    State.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(PreparedFile()));
    State.counters["notes"] = static_cast<double>(Index.NoteCount());
    State.counters["repeating"] = static_cast<double>(Index.RepeatingCount());
}

// The file has changed: it is read into the index again and today's reminders worked out.
void BM_TodaysRemindersAfterAChange(benchmark::State& State) {
    const std::filesystem::path File = PreparedFile();
    auto Stamp = std::filesystem::last_write_time(File);
    for (auto _ : State) {
        State.PauseTiming();
        Stamp += seconds(1);
        std::filesystem::last_write_time(File, Stamp);
        State.ResumeTiming();
        const notes::TAlarmsRead Read = notes::ReadTodayAlarms(File);
        if (!Read.Ok || Read.Alarms.empty()) {
            State.SkipWithError("no reminders today");
        }
        benchmark::DoNotOptimize(Read);
    }
    Report(State);
}
BENCHMARK(BM_TodaysRemindersAfterAChange)->Unit(benchmark::kMillisecond);

// The file has not changed: only its stamp is looked at.
void BM_UnchangedFile(benchmark::State& State) {
    const std::string& FileName = PreparedFile();
    notes::SharedNotesIndex(FileName);
    for (auto _ : State) {
        benchmark::DoNotOptimize(&notes::SharedNotesIndex(FileName));
    }
    Report(State);
}
BENCHMARK(BM_UnchangedFile)->Unit(benchmark::kMicrosecond);

// The marks of the 42 cells of a month page (February 2024 and the days around it).
void BM_MonthMarks(benchmark::State& State) {
    const std::string& FileName = PreparedFile();
    const sys_days First = sys_days(year{2024} / January / 28);
    notes::SharedNotesIndex(FileName);
    for (auto _ : State) {
        const notes::TNotesIndex& Index = notes::SharedNotesIndex(FileName);
        int Marked = 0;
        for (int Cell = 0; Cell < 42; ++Cell) {
            Marked += Index.AnyOn(notes::TNoteDay{First + days(Cell)}) ? 1 : 0;
        }
        benchmark::DoNotOptimize(Marked);
    }
    Report(State);
}
BENCHMARK(BM_MonthMarks)->Unit(benchmark::kMicrosecond);

// The notes of one day for its tooltip.
void BM_Tooltip(benchmark::State& State) {
    const std::string& FileName = PreparedFile();
    notes::SharedNotesIndex(FileName);
    for (auto _ : State) {
        const notes::TOccurrences Notes =
            notes::NotesOnDay(FileName, notes::TNoteDay{year{2024}, February, day{10}});
        benchmark::DoNotOptimize(Notes);
    }
    Report(State);
}
BENCHMARK(BM_Tooltip)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
