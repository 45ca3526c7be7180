// Renders the weather window docked beside the main window into <folder>/weather-online.png
// (the forecast page served on 127.0.0.1 and captured by the helper) and
// <folder>/weather-offline.png (no echo reply: the offline message and the busy indicator).

#include "common/WindowReferences.h"
#include "main/UMain.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "tools/screenshots/ScreenshotOutput.h"
#include "weather/UWeather.h"
#include "weather/WeatherEndpoints.h"
#include "weather/loopback/EchoStandIn.h"
#include "weather/loopback/LoopbackWeatherService.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    QApplication Application(argc, argv);
    QTemporaryDir Data;
    platform::SetDataFolder(Data.path().toStdString() + "/");
    platform::SetClock([] { return EncodeDateTime(2012, 10, 8, 10, 8, 8); });
    TLoopbackWeatherService Service(SampleWeatherPage());
    SetWeatherEndpoints(
        {QStringLiteral("127.0.0.1"), Service.Host(),
         QApplication::applicationDirPath() + QStringLiteral("/ruxa-weather-capture")});
    const QDir Out(QString::fromLocal8Bit(argv[1]));

    TfrmManyYear Main;
    Main.move(40, 40);
    Main.show();
    Main.FormActivate();

    AnswerEcho(false);
    Main.N1Click();
    RunEventsFor(300);
    if (!SavePicture(TwoWindows(Main, *frmWeather),
                     Out.filePath(QStringLiteral("weather-offline.png")))) {
        return 1;
    }

    Main.N1Click();
    AnswerEcho(true);
    Main.N1Click();
    QDeadlineTimer Deadline(30000);
    while (frmWeather->ImageWeather->pixmap().isNull() && !Deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (frmWeather->ImageWeather->pixmap().isNull()) {
        std::fprintf(stderr, "no weather snapshot came from the capture helper\n");
        return 1;
    }
    RunEventsFor(100);
    const bool Saved = SavePicture(TwoWindows(Main, *frmWeather),
                                   Out.filePath(QStringLiteral("weather-online.png")));
    delete frmWeather;
    return Saved ? 0 : 1;
}
