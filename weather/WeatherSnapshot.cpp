#include "weather/WeatherSnapshot.h"

#include "platform/DataFolder.h"

QString WeatherSnapshotFileName(TDateTime When) {
    return QString::fromStdString(platform::DataFolder() + FormatDateTime("yyyymmdd", When) +
                                  ".bmp");
}
