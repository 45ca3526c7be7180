#include "common/KeyedPicture.h"

QImage KeyedOutPicture(const QImage& Picture) {
    if (Picture.isNull())
        return Picture;
    QImage Keyed = Picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb Key = Keyed.pixel(0, Keyed.height() - 1) | 0xFF000000u;
    for (int Y = 0; Y < Keyed.height(); ++Y) {
        auto* Line = reinterpret_cast<QRgb*>(Keyed.scanLine(Y));
        for (int X = 0; X < Keyed.width(); ++X)
            if ((Line[X] | 0xFF000000u) == Key && qAlpha(Line[X]) == 0xFF)
                Line[X] = 0;
    }
    return Keyed;
}
