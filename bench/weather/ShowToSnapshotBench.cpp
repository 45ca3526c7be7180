#include "platform/DataFolder.h"
#include "weather/UWeather.h"
#include "weather/WeatherCapture.h"
#include "weather/WeatherEndpoints.h"
#include "weather/loopback/EchoStandIn.h"
#include "weather/loopback/LoopbackWeatherService.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point Start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - Start).count();
}

// One showing of Window until its snapshot is on screen: the online check's fixed wait,
// the page's load in the helper, the wait for the next poll and the capture. Gives the
// seconds from the showing to the page's completion and to the snapshot.
std::pair<double, double> ShowUntilSnapshot(TfrmWeather& Window) {
    Window.ImageWeather->clear();
    double CompletedMs = 0;
    const Clock::time_point Start = Clock::now();
    const QMetaObject::Connection Completed =
        QObject::connect(Window.WebBrowser, &TWeatherCapture::PageCompleted,
                         [&] { CompletedMs = MillisecondsSince(Start); });
    Window.show();
    while (Window.ImageWeather->pixmap().isNull() && MillisecondsSince(Start) < 30000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const double SnapshotMs = MillisecondsSince(Start);
    QObject::disconnect(Completed);
    Window.hide();
    return {CompletedMs, SnapshotMs};
}

void Report(benchmark::State& State, double CompletedMs, double SnapshotMs) {
    State.SetIterationTime(SnapshotMs / 1000.0);
    // Summed over the iterations and shown as their mean.
    State.counters["completed_ms"] += CompletedMs;
}

class TLoopbackService {
public:
    TLoopbackService() {
        platform::SetDataFolder(Data.path().toStdString());
        AnswerEcho(true);
        SetWeatherEndpoints({QStringLiteral("127.0.0.1"), Service.Host(),
                             QStringLiteral(RUXA_BENCH_CAPTURE_PROGRAM)});
    }

    QTemporaryDir Data;
    TLoopbackWeatherService Service{SampleWeatherPage()};
};

// A new window each time: its helper process starts with the showing.
void BM_ShowToSnapshotNewHelper(benchmark::State& State) {
    TLoopbackService Loopback;
    State.counters["completed_ms"] = benchmark::Counter(0, benchmark::Counter::kAvgIterations);
    for (auto _ : State) {
        TfrmWeather Window;
        const auto [CompletedMs, SnapshotMs] = ShowUntilSnapshot(Window);
        Report(State, CompletedMs, SnapshotMs);
    }
}
BENCHMARK(BM_ShowToSnapshotNewHelper)
    ->UseManualTime()
    ->Iterations(4)
    ->Unit(benchmark::kMillisecond);

// A later showing of the same window: its helper runs already.
void BM_ShowToSnapshotRunningHelper(benchmark::State& State) {
    TLoopbackService Loopback;
    TfrmWeather Window;
    ShowUntilSnapshot(Window);
    State.counters["completed_ms"] = benchmark::Counter(0, benchmark::Counter::kAvgIterations);
    for (auto _ : State) {
        const auto [CompletedMs, SnapshotMs] = ShowUntilSnapshot(Window);
        Report(State, CompletedMs, SnapshotMs);
    }
}
BENCHMARK(BM_ShowToSnapshotRunningHelper)
    ->UseManualTime()
    ->Iterations(4)
    ->Unit(benchmark::kMillisecond);

} // namespace
