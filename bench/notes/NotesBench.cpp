// Reading today's reminders and today's notes from a notes file of ten years with four notes a
// day, as the alarm does every second and the popup on each refresh.

#include "TenYearNotesFile.h"

#include "notes/NoteOccurrences.h"
#include "notes/UNotesFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr int Years = 10;
constexpr int NotesPerDay = 4;

const TDateTime LastDay = EncodeDateTime(2024, 12, 31, 14, 0, 0);

const std::string& PreparedFile() {
    static const std::string FileName = PrepareNotesFile(TenYearNotesFile(LastDay, 0), LastDay);
    return FileName;
}

void Report(benchmark::State& State) {
    State.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(PreparedFile()));
    State.counters["notes"] = Years * 365 * NotesPerDay;
}

// The file read into a new index, and today's reminders worked out from it.
void BM_ReadTodayAlarms(benchmark::State& State) {
    const std::string& FileName = PreparedFile();
    for (auto _ : State) {
        notes::TNotesIndex Index;
        Index.Refresh(FileName);
        const notes::TNoteAlarms Alarms = Index.AlarmsOn(notes::Today());
        if (!Index.Ok() || Alarms.empty()) {
            State.SkipWithError("the alarms were not read");
        }
        benchmark::DoNotOptimize(Alarms);
    }
    Report(State);
}

void BM_ReadTodayNotes(benchmark::State& State) {
    const std::string& FileName = PreparedFile();
    for (auto _ : State) {
        const notes::TNotesRead Read = notes::ReadTodayNotes(FileName);
        if (!Read.Ok || Read.Notes.size() != NotesPerDay) {
            State.SkipWithError("today's notes were not read");
        }
        benchmark::DoNotOptimize(Read);
    }
    Report(State);
}

void BM_LoadAllNotes(benchmark::State& State) {
    const std::string& FileName = PreparedFile();
    for (auto _ : State) {
        benchmark::DoNotOptimize(notes::LoadNotes(FileName, false));
    }
    Report(State);
}

} // namespace

BENCHMARK(BM_ReadTodayAlarms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTodayNotes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAllNotes)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
