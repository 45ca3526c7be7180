// The 16 x 16 pictures of the popup menu's items and the minus and plus glyphs of the
// spinners, on a transparent background.

#include "Drawing.h"

namespace {

const QColor Ink(0x3B, 0x4A, 0x5C);

void Calendar(QPainter& P) {
    QPainterPath Page;
    Page.addRoundedRect(QRectF(1.5, 2.5, 13, 12), 1.5, 1.5);
    Outlined(P, Page, QColor(0xFD, 0xFD, 0xFD), Ink, 1);
    P.fillRect(QRectF(2, 3, 12, 3.5), QColor(0xD9, 0x3A, 0x3A));
    P.fillRect(QRectF(4.5, 1, 1.5, 3), Ink);
    P.fillRect(QRectF(10, 1, 1.5, 3), Ink);
    for (int Row = 0; Row < 2; ++Row)
        for (int Col = 0; Col < 3; ++Col)
            P.fillRect(QRectF(3.5 + Col * 3.3, 8 + Row * 3, 2, 2),
                       Row == 1 && Col == 2 ? QColor(0xD9, 0x3A, 0x3A) : QColor(0x8E, 0x9C, 0xAD));
}

void Weather(QPainter& P) {
    Ellipse(P, 6, 6, 4.5, 4.5, QColor(0xF8, 0xC0, 0x30));
    const QColor Cloud(0xE6, 0xEE, 0xF8);
    QPainterPath Shape;
    Shape.setFillRule(Qt::WindingFill);
    Shape.addEllipse(QPointF(7, 11), 3.5, 3);
    Shape.addEllipse(QPointF(10.5, 9.5), 4, 3.8);
    Shape.addEllipse(QPointF(13, 12), 2.5, 2.3);
    Shape.addRect(QRectF(7, 11, 6, 3.3));
    Outlined(P, Shape.simplified(), Cloud, QColor(0x7A, 0x8E, 0xA8), 1);
}

void Sticky(QPainter& P, bool Pencil) {
    Outlined(P, Polygon({{2, 2}, {14, 2}, {14, 10}, {10, 14}, {2, 14}}), QColor(0xFF, 0xE8, 0x7A),
             QColor(0xC8, 0xA0, 0x30), 1);
    Outlined(P, Polygon({{10, 14}, {10, 10}, {14, 10}}), QColor(0xF0, 0xCC, 0x50),
             QColor(0xC8, 0xA0, 0x30), 1);
    P.setPen(QPen(QColor(0xB0, 0x8A, 0x30), 1));
    for (const double Y : {5.5, 8.0, 10.5})
        P.drawLine(QPointF(4, Y), QPointF(Y > 9 ? 8 : 12, Y));
    if (Pencil) {
        P.save();
        P.translate(11, 7);
        P.rotate(45);
        P.fillRect(QRectF(-1.6, -7, 3.2, 9), QColor(0x3A, 0x7A, 0xD0));
        Outlined(P, Polygon({{-1.6, 2}, {1.6, 2}, {0, 5}}), QColor(0xF2, 0xD2, 0xA8), Ink, 0.6);
        P.restore();
    }
}

void Gear(QPainter& P) {
    QPainterPath Wheel;
    for (int I = 0; I < 16; ++I) {
        const double A = I * M_PI / 8;
        const double R = I % 2 == 0 ? 7 : 5.2;
        const QPointF At(8 + std::cos(A) * R, 8 + std::sin(A) * R);
        if (I == 0)
            Wheel.moveTo(At);
        else
            Wheel.lineTo(At);
    }
    Wheel.closeSubpath();
    Wheel.addEllipse(QPointF(8, 8), 2.2, 2.2);
    Outlined(P, Wheel, QColor(0x8E, 0xA4, 0xBE), Ink, 1);
}

void History(QPainter& P) {
    QPainterPath Face;
    Face.addEllipse(QPointF(8.5, 8.5), 6, 6);
    Outlined(P, Face, QColor(0xF4, 0xF8, 0xFC), QColor(0x3A, 0x7A, 0xD0), 1.4);
    P.setPen(QPen(Ink, 1.4, Qt::SolidLine, Qt::RoundCap));
    P.drawLine(QPointF(8.5, 8.5), QPointF(8.5, 4.5));
    P.drawLine(QPointF(8.5, 8.5), QPointF(11, 10));
    Outlined(P, Polygon({{0.5, 5}, {4.5, 5}, {2.5, 8}}), QColor(0x3A, 0x7A, 0xD0),
             QColor(0x3A, 0x7A, 0xD0), 0);
}

void Tray(QPainter& P) {
    Outlined(P,
             Polygon({{1.5, 10},
                      {5, 10},
                      {6, 12},
                      {10, 12},
                      {11, 10},
                      {14.5, 10},
                      {14.5, 14.5},
                      {1.5, 14.5}}),
             QColor(0xDD, 0xE6, 0xF0), Ink, 1);
    P.fillRect(QRectF(6.5, 1.5, 3, 5), QColor(0x3A, 0x9A, 0x5A));
    Outlined(P, Polygon({{4, 6}, {12, 6}, {8, 10}}), QColor(0x3A, 0x9A, 0x5A),
             QColor(0x3A, 0x9A, 0x5A), 0);
}

void Exit(QPainter& P) {
    const QColor Red(0xD9, 0x3A, 0x3A);
    QPainterPath Arc;
    Arc.arcMoveTo(QRectF(2.5, 3, 11, 11), 125);
    Arc.arcTo(QRectF(2.5, 3, 11, 11), 125, 290);
    Stroke(P, Arc, Red, 2);
    P.setPen(QPen(Red, 2, Qt::SolidLine, Qt::RoundCap));
    P.drawLine(QPointF(8, 1.5), QPointF(8, 8));
}

void Sign(QPainter& P, bool Plus) {
    P.fillRect(QRectF(0, 3, 9, 3), Ink);
    if (Plus)
        P.fillRect(QRectF(3, 0, 3, 9), Ink);
}

} // namespace

QImage MenuPicture(const QString& Name) {
    const bool Glyph = Name == QLatin1String("minus") || Name == QLatin1String("plus");
    QImage Image(Glyph ? 9 : 16, Glyph ? 9 : 16, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Qt::transparent);
    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing);
    if (Name == QLatin1String("N12"))
        Calendar(Painter);
    else if (Name == QLatin1String("N1"))
        Weather(Painter);
    else if (Name == QLatin1String("N4"))
        Sticky(Painter, true);
    else if (Name == QLatin1String("N5"))
        Sticky(Painter, false);
    else if (Name == QLatin1String("N6"))
        Gear(Painter);
    else if (Name == QLatin1String("N7"))
        History(Painter);
    else if (Name == QLatin1String("N9"))
        Tray(Painter);
    else if (Name == QLatin1String("N2"))
        Exit(Painter);
    else
        Sign(Painter, Name == QLatin1String("plus"));
    return Image;
}
