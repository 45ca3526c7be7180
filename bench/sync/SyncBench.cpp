// The sync run against a private radicale server on loopback: the first sync of a ten-year
// file's worth of events (four a day) into an empty collection, the first sync of an empty
// second machine from it, and a sync with nothing changed. The server's own time is part of
// every figure. RUXA_SYNC_BENCH_EVENTS sets another count.

#include "FileStore.h"
#include "RadicaleServer.h"
#include "sync/SyncRun.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

using namespace notesync;

namespace {

int EventCount() {
    const char* Set = std::getenv("RUXA_SYNC_BENCH_EVENTS");
    return Set != nullptr ? std::atoi(Set) : 14600;
}

struct TBench {
    TRadicaleServer Server;
    std::filesystem::path Folder;
    std::string Collection;

    TBench() {
        std::string Template =
            (std::filesystem::temp_directory_path() / "ruxa-bench-XXXXXX").string();
        Folder = mkdtemp(Template.data());
        Collection = Server.HomeUrl() + "notes/";
        platform::THttpClient Http({TRadicaleServer::User, TRadicaleServer::Password}, 5, 600);
        TDavClient(Http).MakeCalendar(Collection, "万年历便签");
        std::map<std::string, TFileStore::TItem> Items;
        for (int N = 0; N < EventCount(); ++N) {
            Items["note" + std::to_string(N)] = {"第 " + std::to_string(N) + " 条便签", 1700000000};
        }
        TFileStore((Folder / "a.items").string()).Save(Items);
    }
    ~TBench() { std::filesystem::remove_all(Folder); }

    TSyncReport Sync(const std::string& Machine) {
        platform::THttpClient Http({TRadicaleServer::User, TRadicaleServer::Password}, 5, 600);
        TDavClient Dav(Http);
        TFileStore Store((Folder / (Machine + ".items")).string());
        return RunSync(Dav, Store,
                       {Collection, (Folder / (Machine + ".state")).string(), false, {}, {}});
    }
};

TBench& Shared() {
    static TBench Bench;
    return Bench;
}

void TimedSync(benchmark::State& State, const std::string& Machine) {
    for (auto _ : State) {
        const auto Start = std::chrono::steady_clock::now();
        const TSyncReport Report = Shared().Sync(Machine);
        State.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count());
        State.counters["sent"] = Report.Sent;
        State.counters["received"] = Report.Received;
        if (Report.Outcome != TSyncOutcome::Done) {
            State.SkipWithError(Report.Summary().c_str());
        }
    }
}

void BM_FirstSyncIntoAnEmptyCollection(benchmark::State& State) {
    TimedSync(State, "a");
}
void BM_FirstSyncOfAnEmptySecondMachine(benchmark::State& State) {
    TimedSync(State, "b");
}
void BM_SyncWithNothingChanged(benchmark::State& State) {
    TimedSync(State, "a");
}

BENCHMARK(BM_FirstSyncIntoAnEmptyCollection)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_FirstSyncOfAnEmptySecondMachine)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_SyncWithNothingChanged)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
