#include "common/ColorKeyedBitmap.h"

#include "platform/Files.h"

#include <QBuffer>
#include <QByteArray>

#include <stdexcept>
#include <string>

QImage ColorKeyedPicture(const QImage& Picture, std::int32_t Threshold) {
    const QImage Source = Picture.convertToFormat(QImage::Format_RGB32);
    QImage Result(Source.size(), QImage::Format_RGB32);
    if (Source.isNull()) {
        return Result;
    }
    const std::int64_t Limit = Threshold;
    const QRgb Key = reinterpret_cast<const QRgb*>(Source.constScanLine(0))[0];
    const int Width = Source.width();
    for (int Row = 0; Row < Source.height(); ++Row) {
        const QRgb* In = reinterpret_cast<const QRgb*>(Source.constScanLine(Row));
        QRgb* Out = reinterpret_cast<QRgb*>(Result.scanLine(Row));
        for (int Column = 0; Column < Width; ++Column) {
            const std::int64_t Value = SystemColorValue(In[Column]);
            Out[Column] = Value < Limit ? In[Column] : Key;
        }
    }
    return Result;
}

void SaveColorKeyedBitmap(const QImage& Picture, std::int32_t Threshold, const QString& FileName) {
    QByteArray Bitmap;
    QBuffer Buffer(&Bitmap);
    Buffer.open(QIODevice::WriteOnly);
    if (!ColorKeyedPicture(Picture, Threshold).save(&Buffer, "BMP")) {
        throw std::runtime_error("Cannot encode the picture for " + FileName.toStdString());
    }
    std::string Error;
    if (!platform::WriteFileAtomically(
            FileName.toStdString(),
            std::string_view(Bitmap.constData(), static_cast<std::size_t>(Bitmap.size())), Error)) {
        throw std::runtime_error(Error);
    }
}
