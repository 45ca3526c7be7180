#pragma once

// Where the weather window reaches out: the host its online check pings, the host of the
// weather-widget service, and the capture helper program. The hosts are fixed when the
// program is built; tests point all three elsewhere.

#include <QString>

struct TWeatherEndpoints {
    QString CheckHost;
    // A host name, optionally followed by ":" and a port.
    QString ServiceHost;
    QString CaptureProgram;
};

// The helper "ruxa-weather-capture" of the calendar in ProgramFolder: at its installed place
// (the package's helper folder) when it is there, otherwise in ProgramFolder itself, as in
// the build tree.
QString CaptureHelperBeside(const QString& ProgramFolder);

// The built-in hosts and the helper of the running program.
TWeatherEndpoints DefaultWeatherEndpoints();

// The endpoints in use: the defaults, or what SetWeatherEndpoints set.
TWeatherEndpoints WeatherEndpoints();
void SetWeatherEndpoints(const TWeatherEndpoints& Endpoints);
void ResetWeatherEndpoints();

// The forecast widget page of ServiceHost, with its fixed path and query string.
QString WeatherPageAddress(const QString& ServiceHost);
