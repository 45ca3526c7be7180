// Which notes fall on a day, with a notes file of ten years of four notes a day plus 1,000
// repeating notes of every rule: the reading after the file changed (the alarm then knows
// today's reminders), the look of an unchanged file, a month of grid marks and a tooltip.

#include "notes/NoteOccurrences.h"
#include "notes/UNotesFile.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/Files.h"
#include "platform/Xml.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

using namespace std::chrono;

constexpr int Years = 10;
constexpr int NotesPerDay = 4;
constexpr int RepeatingNotes = 1000;

const TDateTime LastDay = EncodeDateTime(2024, 12, 31, 14, 0, 0);
const char* const Rules[] = {"每天", "每周", "每月", "每年", "每月农历", "每年农历"};

std::string NotesFile() {
    platform::XmlDocument Document = platform::XmlDocument::Create("便签列表");
    platform::XmlNode Root = Document.Root();
    const TDateTime First = LastDay - days(Years * 365 - 1);
    int Repeating = 0;
    for (TDateTime Day = First; Day <= LastDay; Day += days(1)) {
        const std::string Date = FormatDateTime("yyyy-mm-dd", Day);
        platform::XmlNode Element = Root.AppendElement("Date" + Date);
        // Every third or fourth day holds one repeating note more, until there are 1,000.
        const bool WithRepeat = Repeating < RepeatingNotes && (Day - First) / days(1) % 3 == 0;
        for (int Note = 0; Note < NotesPerDay + (WithRepeat ? 1 : 0); ++Note) {
            const std::string Hour = std::to_string(8 + Note * 3);
            Element.AppendElement("标题", "第" + std::to_string(Note + 1) + "项：部门例会");
            Element.AppendElement("日期", Date + " " + (Hour.size() < 2 ? "0" : "") + Hour + ":00");
            Element.AppendElement("提醒", Note % 2 == 0 ? "是" : "否");
            Element.AppendElement("内容", "带上季度报告和预算表，会后把纪要发给大家确认。");
            if (Note == NotesPerDay) {
                Element.AppendElement("重复", Rules[Repeating % std::size(Rules)]);
                Element.AppendElement("提前", std::to_string(Repeating % 3 * 60));
                ++Repeating;
            }
            Element.AppendElement("标识", std::to_string(Day.time_since_epoch().count()) + "-" +
                                              std::to_string(Note));
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
        if (!platform::WriteFileAtomically(notes::NotesFileName(), NotesFile(), Error)) {
            throw std::runtime_error(Error);
        }
        std::atexit([] { std::filesystem::remove_all(platform::DataFolder()); });
        return notes::NotesFileName();
    }();
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
