// Big notes files: a note of ten megabytes, an element with 100,000 attributes, ten years of
// notes, and files just under the size cap, read as the popup reads them and saved as the
// editor's OK saves them. Besides the time, each reports the peak of resident memory that the
// operation added, as a multiple of the file's size (peak_x_size).

#include "notes/NotesReading.h"
#include "notes/UNotesFile.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/Files.h"
#include "platform/PeakMemory.h"
#include "platform/Xml.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>

namespace {

const TDateTime Today = EncodeDateTime(2024, 12, 31, 14, 0, 0);
const std::string TodayName = "Date2024-12-31";

std::string Folder() {
    static const std::string Made = [] {
        std::string Path = (std::filesystem::temp_directory_path() / "ruxa-big-XXXXXX").string();
        if (mkdtemp(Path.data()) == nullptr) {
            throw std::runtime_error("no temporary folder");
        }
        platform::SetDataFolder(Path);
        platform::SetClock([] { return Today; });
        std::atexit([] { std::filesystem::remove_all(platform::DataFolder()); });
        return Path + "/";
    }();
    return Made;
}

std::string Saved(platform::XmlDocument& Document) {
    std::string Bytes;
    std::string Error;
    if (!Document.Save("GB2312", Bytes, Error)) {
        throw std::runtime_error(Error);
    }
    return Bytes;
}

void AddNote(platform::XmlNode& Day, const std::string& Title, const std::string& When,
             const std::string& Content) {
    Day.AppendElement("标题", Title);
    Day.AppendElement("日期", When);
    Day.AppendElement("提醒", "是");
    Day.AppendElement("内容", Content);
}

// Days of four notes each, counted back from today, until the file holds about Bytes.
std::string ManyNotesFile(std::size_t Bytes) {
    platform::XmlDocument Document = platform::XmlDocument::Create("便签列表");
    platform::XmlNode Root = Document.Root();
    constexpr std::size_t BytesPerDay = 560;
    const std::size_t Days = Bytes / BytesPerDay;
    for (std::size_t K = Days; K-- > 0;) {
        // Today only once; the days before it repeat after about a hundred years.
        const auto Back = static_cast<long>(K == 0 ? 0 : 1 + (K - 1) % 40000);
        const TDateTime Day = Today - std::chrono::days(Back);
        platform::XmlNode Element = Root.AppendElement("Date" + FormatDateTime("yyyy-mm-dd", Day));
        for (int Note = 0; Note < 4; ++Note) {
            AddNote(Element, "第" + std::to_string(Note + 1) + "项：部门例会",
                    FormatDateTime("yyyy-mm-dd ", Day) + std::to_string(10 + Note) + ":00",
                    "带上季度报告和预算表，会后把纪要发给大家确认。");
        }
    }
    return Saved(Document);
}

// Today's one note of about Bytes of Chinese text.
std::string OneNoteFile(std::size_t Bytes) {
    platform::XmlDocument Document = platform::XmlDocument::Create("便签列表");
    platform::XmlNode Day = Document.Root().AppendElement(TodayName);
    std::string Text;
    Text.reserve(Bytes * 3 / 2);
    const std::string Phrase = "带上季度报告和预算表，会后把纪要发给大家确认。";
    while (Text.size() / 3 * 2 < Bytes) {
        Text += Phrase;
    }
    AddNote(Day, "长", "2024-12-31 14:00", Text);
    return Saved(Document);
}

// Today's note, and an element beside it with Count attributes: refused, and quickly.
std::string AttributesFile(int Count) {
    std::string Bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表><" + TodayName +
                        "><标题>t</标题><日期/><提醒/><内容/></" + TodayName + "><x";
    for (int I = 0; I < Count; ++I) {
        Bytes += " a" + std::to_string(I) + "=\"v\"";
    }
    return Bytes + "/></便签列表>";
}

// Writes Bytes as the file Name in the data folder once; its path.
std::string Prepared(const std::string& Name, const std::string& Bytes) {
    const std::string Path = Folder() + Name;
    std::string Error;
    if (!platform::WriteFileAtomically(Path, Bytes, Error)) {
        throw std::runtime_error(Error);
    }
    return Path;
}

std::string ReadAll(const std::string& Path) {
    std::string Bytes;
    std::string Error;
    platform::ReadWholeFile(Path, Bytes, Error);
    return Bytes;
}

// Runs Operation once per iteration and reports the largest resident memory it added,
// against the file's size before the first run.
template <typename TOperation>
void Measure(benchmark::State& State, const std::string& Path, TOperation Operation) {
    const auto Size = static_cast<double>(std::filesystem::file_size(Path));
    double Peak = 0;
    for (auto _ : State) {
        State.PauseTiming();
        platform::ResetPeakMemory();
        const std::size_t Before = platform::ResidentMemory();
        State.ResumeTiming();
        Operation();
        State.PauseTiming();
        const std::size_t After = platform::PeakResidentMemory();
        Peak = std::max(Peak, static_cast<double>(After > Before ? After - Before : 0));
        State.ResumeTiming();
    }
    State.counters["file_MB"] = Size / 1e6;
    State.counters["peak_MB"] = Peak / 1e6;
    State.counters["peak_x_size"] = Peak / Size;
}

// Reads today's notes as the popup does. Notes is how many there are; none means the file
// is to be refused.
void Read(benchmark::State& State, const std::string& Path, std::optional<std::size_t> Notes) {
    bool AsExpected = true;
    Measure(State, Path, [&] {
        const notes::TNotesRead Read = notes::ReadTodayNotes(Path);
        AsExpected = AsExpected && (Notes ? Read.Ok && Read.Notes.size() == *Notes : !Read.Ok);
        benchmark::DoNotOptimize(Read);
    });
    if (!AsExpected) {
        State.SkipWithError("today's notes were not read as expected");
    }
}

// Saves today's notes back unchanged, as OK in the editor does; the file stays the same.
void Save(benchmark::State& State, const std::string& Path) {
    const notes::TNotes Notes = notes::ReadTodayNotes(Path).Notes;
    Measure(State, Path, [&] { notes::SaveTodayNotes(Path, Notes); });
}

const std::string& TenYears() {
    static const std::string Path = Prepared("ten-years.xml", ManyNotesFile(3650 * 560));
    return Path;
}
const std::string& TenMegabyteNote() {
    static const std::string Path = Prepared("ten-megabyte-note.xml", OneNoteFile(10'000'000));
    return Path;
}
// Just under the cap, so that the save's own bytes stay within it.
constexpr std::size_t NearCap = platform::MaxDataFileBytes - (std::size_t{1} << 20);
const std::string& ManyNotesAtCap() {
    static const std::string Path = Prepared("many-notes-at-cap.xml", ManyNotesFile(NearCap));
    return Path;
}
const std::string& OneNoteAtCap() {
    static const std::string Path = Prepared("one-note-at-cap.xml", OneNoteFile(NearCap));
    return Path;
}
const std::string& ManyAttributes() {
    static const std::string Path = Prepared("attributes.xml", AttributesFile(100'000));
    return Path;
}

void BM_ReadTenMegabyteNote(benchmark::State& State) {
    Read(State, TenMegabyteNote(), 1);
}
void BM_ReadHundredThousandAttributes(benchmark::State& State) {
    Read(State, ManyAttributes(), std::nullopt);
}
void BM_ReadTenYears(benchmark::State& State) {
    Read(State, TenYears(), 4);
}
// Every day of the file with its notes, as the notes feed reads them: 3650 days of four.
void BM_ReadTenYearsByDay(benchmark::State& State) {
    const std::string& Path = TenYears();
    bool AsExpected = true;
    Measure(State, Path, [&] {
        const auto Days = notes::ReadNotesByDay(ReadAll(Path));
        AsExpected = AsExpected && Days && Days->size() == 3650 && Days->back().Notes.size() == 4;
        benchmark::DoNotOptimize(Days);
    });
    if (!AsExpected) {
        State.SkipWithError("the days were not read as expected");
    }
}
void BM_SaveTenYears(benchmark::State& State) {
    Save(State, TenYears());
}
void BM_SaveTenMegabyteNote(benchmark::State& State) {
    Save(State, TenMegabyteNote());
}
// A ten-year file as if written by hand: UTF-8, with line breaks between the elements.
const std::string& WrittenByHand() {
    static const std::string Foreign = [] {
        std::string Bytes = ReadAll(TenYears());
        std::string Error;
        platform::XmlDocument Document = platform::XmlDocument::Parse(Bytes, Error);
        std::string Out;
        Document.Save("UTF-8", Out, Error);
        std::size_t At = 0;
        while ((At = Out.find("><", At)) != std::string::npos) {
            Out.replace(At, 2, ">\n<");
            At += 3;
        }
        return Out;
    }();
    return Foreign;
}

// Read by the general parser, as every file not in the stored form is.
void BM_ReadTenYearsWrittenByHand(benchmark::State& State) {
    Read(State, Prepared("read-by-hand.xml", WrittenByHand()), 4);
}

// The first save of such a file goes through a document tree, after which the file is in
// the stored form; every iteration starts from the hand-written file again.
void BM_SaveTenYearsWrittenByHand(benchmark::State& State) {
    const std::string& Foreign = WrittenByHand();
    const std::string Path = Prepared("by-hand.xml", Foreign);
    const notes::TNotes Notes = notes::ReadTodayNotes(Path).Notes;
    Measure(State, Path, [&] {
        State.PauseTiming();
        Prepared("by-hand.xml", Foreign);
        State.ResumeTiming();
        notes::SaveTodayNotes(Path, Notes);
    });
}

void BM_ReadManyNotesAtCap(benchmark::State& State) {
    Read(State, ManyNotesAtCap(), 4);
}
void BM_SaveManyNotesAtCap(benchmark::State& State) {
    Save(State, ManyNotesAtCap());
}
void BM_ReadOneNoteAtCap(benchmark::State& State) {
    Read(State, OneNoteAtCap(), 1);
}
void BM_SaveOneNoteAtCap(benchmark::State& State) {
    Save(State, OneNoteAtCap());
}

} // namespace

BENCHMARK(BM_ReadTenMegabyteNote)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadHundredThousandAttributes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTenYears)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTenYearsByDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveTenYears)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveTenMegabyteNote)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTenYearsWrittenByHand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveTenYearsWrittenByHand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadManyNotesAtCap)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveManyNotesAtCap)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadOneNoteAtCap)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveOneNoteAtCap)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
