// Reading today's reminders and today's notes from a notes file of ten years with four notes a
// day, as the alarm does every second and the popup on each refresh.

#include "notes/NoteOccurrences.h"
#include "notes/UNotesFile.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/Files.h"
#include "platform/Xml.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

constexpr int Years = 10;
constexpr int NotesPerDay = 4;

const TDateTime LastDay = EncodeDateTime(2024, 12, 31, 14, 0, 0);

std::string TenYearFile() {
    platform::XmlDocument Document = platform::XmlDocument::Create("便签列表");
    platform::XmlNode Root = Document.Root();
    const TDateTime First = LastDay - std::chrono::days(Years * 365 - 1);
    for (TDateTime Day = First; Day <= LastDay; Day += std::chrono::days(1)) {
        platform::XmlNode Element = Root.AppendElement("Date" + FormatDateTime("yyyy-mm-dd", Day));
        for (int Note = 0; Note < NotesPerDay; ++Note) {
            const std::string Hour = std::to_string(8 + Note * 3);
            Element.AppendElement("标题", "第" + std::to_string(Note + 1) + "项：部门例会");
            Element.AppendElement("日期", FormatDateTime("yyyy-mm-dd ", Day) +
                                              (Hour.size() < 2 ? "0" : "") + Hour + ":00");
            Element.AppendElement("提醒", Note % 2 == 0 ? "是" : "否");
            Element.AppendElement("内容", "带上季度报告和预算表，会后把纪要发给大家确认。");
        }
    }
    std::string Bytes;
    std::string Error;
    if (!Document.Save("GB2312", Bytes, Error)) {
        throw std::runtime_error(Error);
    }
    return Bytes;
}

// Writes the file once into a temporary data folder and sets the clock to its last day.
const std::string& PreparedFile() {
    static const std::string FileName = [] {
        std::string Folder =
            (std::filesystem::temp_directory_path() / "ruxa-bench-XXXXXX").string();
        if (mkdtemp(Folder.data()) == nullptr) {
            throw std::runtime_error("no temporary folder");
        }
        platform::SetDataFolder(Folder);
        platform::SetClock([] { return LastDay; });
        std::string Error;
        if (!platform::WriteFileAtomically(notes::NotesFileName(), TenYearFile(), Error)) {
            throw std::runtime_error(Error);
        }
        std::atexit([] { std::filesystem::remove_all(platform::DataFolder()); });
        return notes::NotesFileName();
    }();
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
