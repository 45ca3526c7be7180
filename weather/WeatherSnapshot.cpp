#include "weather/WeatherSnapshot.h"

#include "platform/DataFolder.h"

QString WeatherSnapshotFileName(TDateTime When) {
    return QString::fromStdString(platform::DataFolder() + FormatDateTime("yyyymmdd", When) +
                                  ".bmp");
}

QImage WithoutBottomLeftColour(const QImage& Picture) {
    QImage Result = Picture.convertToFormat(QImage::Format_ARGB32);
    if (Result.isNull()) {
        return Result;
    }
    const QRgb Key = Result.pixel(0, Result.height() - 1) | 0xFF000000u;
    for (int Row = 0; Row < Result.height(); ++Row) {
        QRgb* Line = reinterpret_cast<QRgb*>(Result.scanLine(Row));
        for (int Column = 0; Column < Result.width(); ++Column) {
            if ((Line[Column] | 0xFF000000u) == Key) {
                Line[Column] = 0;
            }
        }
    }
    return Result;
}
