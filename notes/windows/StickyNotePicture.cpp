#include "notes/windows/StickyNotePicture.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

QPixmap StickyNotePicture() {
    QImage Picture(240, 237, QImage::Format_ARGB32);
    Picture.fill(Qt::transparent);
    QSvgRenderer Renderer(QStringLiteral(":/notes/StickyNote.svg"));
    QPainter Painter(&Picture);
    Renderer.render(&Painter);
    Painter.end();
    // Half-covered edge pixels become either paper or nothing.
    for (int Y = 0; Y < Picture.height(); ++Y) {
        auto* Line = reinterpret_cast<QRgb*>(Picture.scanLine(Y));
        for (int X = 0; X < Picture.width(); ++X) {
            const int Alpha = qAlpha(Line[X]);
            if (Alpha < 128) {
                Line[X] = qRgba(0, 0, 0, 0);
            } else if (Alpha < 255) {
                Line[X] = qRgba(qRed(Line[X]), qGreen(Line[X]), qBlue(Line[X]), 255);
            }
        }
    }
    return QPixmap::fromImage(Picture);
}
