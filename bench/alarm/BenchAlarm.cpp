// The note alarm's once-a-second tick with reminders on and a notes file of ten years of
// daily notes (14,600 notes) and 1,000 repeating ones, today's day last: once with the file
// unchanged since the last tick, once with the file changed before every tick.
//
// With --write-notes the program only writes that file (and a settings file with reminders
// on) into the data folder and ends; the idle measurement uses it.

#include "TenYearNotes.h"

#include "main/UMain.h"
#include "notes/UNoteSettings.h"
#include "notes/UNotesFile.h"
#include "notes/windows/NoteAlarmClock.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

// 2024-05-01 10:30: today's reminders come at 08:00 and 14:00, the repeating notes' in the
// evening, so nothing fires.
TDateTime BenchNow() {
    return EncodeDateTime(2024, 5, 1, 10, 30, 0);
}

struct TAlarmBench {
    QTemporaryDir Folder;
    TfrmManyYear* Main = nullptr;

    TAlarmBench() {
        platform::SetDataFolder(Folder.path().toStdString());
        WriteTenYearNotes(BenchNow());
        platform::SetClock(BenchNow);
        Main = new TfrmManyYear();
        Main->tNoteAlarm->Stop();
        // After the main window's start-up read, which found no settings file.
        notes::NoteAlarmOn = 1;
    }
    ~TAlarmBench() {
        delete Main;
        platform::SetClock({});
        platform::SetDataFolder({});
    }
};

void BM_TickUnchangedFile(benchmark::State& State) {
    TAlarmBench Bench;
    Bench.Main->tNoteAlarm->Tick();
    for (auto _ : State) {
        Bench.Main->tNoteAlarm->Tick();
    }
    State.counters["reminders"] = static_cast<double>(Bench.Main->tNoteAlarm->Alarms().size());
}
BENCHMARK(BM_TickUnchangedFile)->Unit(benchmark::kMicrosecond);

void BM_TickChangedFile(benchmark::State& State) {
    TAlarmBench Bench;
    const std::filesystem::path File = notes::NotesFileName();
    State.counters["bytes"] = static_cast<double>(std::filesystem::file_size(File));
    auto Stamp = std::filesystem::last_write_time(File);
    for (auto _ : State) {
        State.PauseTiming();
        Stamp += std::chrono::seconds(1);
        std::filesystem::last_write_time(File, Stamp);
        State.ResumeTiming();
        Bench.Main->tNoteAlarm->Tick();
    }
}
BENCHMARK(BM_TickChangedFile)->Unit(benchmark::kMillisecond);

int WriteNotesOnly() {
    platform::EnsureDataFolder();
    WriteTenYearNotes(platform::Now());
    std::ofstream(notes::SettingsFileName()) << "[NoteSet]\nPosition=3\nAlarm=1\nblend=10\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--write-notes") == 0) {
        return WriteNotesOnly();
    }
    QApplication Application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
