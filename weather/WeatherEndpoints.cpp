#include "weather/WeatherEndpoints.h"

#include "weather/WeatherHosts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

std::optional<TWeatherEndpoints>& Overridden() {
    static std::optional<TWeatherEndpoints> Endpoints;
    return Endpoints;
}

} // namespace

QString CaptureHelperBeside(const QString& ProgramFolder) {
    const QDir Folder(ProgramFolder);
    const QString HelperName = QStringLiteral("ruxa-weather-capture");
    const QString Installed =
        QDir::cleanPath(Folder.filePath(QString::fromUtf8(BuiltCaptureHelperFolder)) +
                        QLatin1Char('/') + HelperName);
    if (QFileInfo(Installed).isExecutable())
        return Installed;
    return Folder.filePath(HelperName);
}

TWeatherEndpoints DefaultWeatherEndpoints() {
    return {QString::fromUtf8(BuiltOnlineCheckHost), QString::fromUtf8(BuiltWeatherServiceHost),
            CaptureHelperBeside(QCoreApplication::applicationDirPath())};
}

TWeatherEndpoints WeatherEndpoints() {
    return Overridden() ? *Overridden() : DefaultWeatherEndpoints();
}

void SetWeatherEndpoints(const TWeatherEndpoints& Endpoints) {
    Overridden() = Endpoints;
}

void ResetWeatherEndpoints() {
    Overridden().reset();
}

QString WeatherPageAddress(const QString& ServiceHost) {
    return QStringLiteral("http://") + ServiceHost +
           QStringLiteral("/weather/weather.aspx?uid=&cid=101010100&l=zh-CHS&p=CMA&a=1&u=C&s=11"
                          "&m=0&x=1&d=5&fc=&bgc=&bc=&ti=1&in=1&li=2&ct=iframe");
}
