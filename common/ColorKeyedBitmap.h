#pragma once

// Keys out the light background of a captured picture: every pixel at or above a
// threshold colour takes the colour of the picture's top-left pixel, so that a viewer
// leaving out that one colour shows only the dark content.

#include <QImage>
#include <QString>

#include <cstdint>

// The system colour value of a pixel: blue in the high byte, then green, red in the low
// byte (blue * 65536 + green * 256 + red).
constexpr std::uint32_t SystemColorValue(QRgb Pixel) {
    return static_cast<std::uint32_t>(qBlue(Pixel)) << 16 |
           static_cast<std::uint32_t>(qGreen(Pixel)) << 8 | static_cast<std::uint32_t>(qRed(Pixel));
}

// The picture after the replacement: a pixel whose system colour value is below
// Threshold (compared as signed 64-bit numbers) is kept, every other one takes the
// top-left pixel's colour. The result is opaque (Format_RGB32).
QImage ColorKeyedPicture(const QImage& Picture, std::int32_t Threshold);

// Writes ColorKeyedPicture(Picture, Threshold) to FileName as a 24-bit BMP file. A file of
// that name is replaced at once: the new one is written beside it, flushed to disk and
// renamed over it. Throws std::runtime_error when the file can't be written.
void SaveColorKeyedBitmap(const QImage& Picture, std::int32_t Threshold, const QString& FileName);
