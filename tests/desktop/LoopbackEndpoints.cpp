// Built into the desktop suite's copy of the calendar only: the weather window's online
// check and page go to what the suite serves on 127.0.0.1 instead of the public hosts.
// RUXA_DESKTOP_WEATHER_HOST names the page's host and port; RUXA_DESKTOP_ONLINE says
// whether the check's echo is answered ("1") or not. No echo is sent in either case.

#include "weather/WeatherEndpoints.h"
#include "weather/loopback/EchoStandIn.h"

#include <QString>

namespace {

const bool PointedAtLoopback = [] {
    SetWeatherEndpoints({QStringLiteral("127.0.0.1"),
                         qEnvironmentVariable("RUXA_DESKTOP_WEATHER_HOST"),
                         QStringLiteral(RUXA_DESKTOP_CAPTURE_PROGRAM)});
    AnswerEcho(qEnvironmentVariable("RUXA_DESKTOP_ONLINE") == QStringLiteral("1"));
    return true;
}();

} // namespace
