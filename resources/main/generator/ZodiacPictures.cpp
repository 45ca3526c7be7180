// The twelve zodiac pictures, 101 x 92 pixels, 24-bit: one stylised animal each on a plain
// light background (white; the dragon on #DCDCDC). The animals keep clear of the corners,
// so the bottom-left pixel always holds the background colour.

#include "Drawing.h"

#include <QtMath>

namespace {

const QColor Ink(0x4A, 0x3A, 0x30);
// Near-white for eyes and highlights, so that keying out the white background keeps them.
const QColor Light(0xFD, 0xFB, 0xF6);

void Eye(QPainter& P, double X, double Y, double R = 2.6) {
    Ellipse(P, X, Y, R, R, QColor(0x22, 0x1A, 0x16));
    Ellipse(P, X + R * 0.35, Y - R * 0.35, R * 0.35, R * 0.35, Light);
}

QPainterPath Circle(double X, double Y, double Rx, double Ry) {
    QPainterPath Path;
    Path.addEllipse(QPointF(X, Y), Rx, Ry);
    return Path;
}

void Rat(QPainter& P) {
    const QColor Fur(0x9C, 0xA3, 0xAE);
    QPainterPath Tail;
    Tail.moveTo(72, 66);
    Tail.cubicTo(92, 70, 92, 48, 80, 44);
    Stroke(P, Tail, QColor(0xE0, 0x9A, 0xA6), 2.6);
    Outlined(P, Circle(56, 60, 22, 16), Fur, Ink, 1.5);
    Outlined(P, Polygon({{40, 44}, {14, 58}, {40, 66}}), Fur, Ink, 1.5);
    Outlined(P, Circle(36, 53, 12, 11), Fur, Ink, 1.5);
    for (const double X : {32.0, 46.0}) {
        Outlined(P, Circle(X, 36, 9, 9), Fur, Ink, 1.5);
        Ellipse(P, X, 36, 5.5, 5.5, QColor(0xF2, 0xB8, 0xC2));
    }
    Ellipse(P, 14.5, 58, 3, 3, QColor(0xE0, 0x6A, 0x7E));
    Eye(P, 32, 52);
    P.setPen(QPen(Ink, 0.9));
    for (const double Dy : {-4.0, 0.0, 4.0}) {
        P.drawLine(QPointF(18, 58), QPointF(8, 56 + Dy));
        P.drawLine(QPointF(20, 60), QPointF(30, 64 + Dy));
    }
    Outlined(P, Circle(48, 75, 5, 3), QColor(0xF2, 0xB8, 0xC2), Ink, 1);
    Outlined(P, Circle(66, 75, 5, 3), QColor(0xF2, 0xB8, 0xC2), Ink, 1);
}

void Ox(QPainter& P) {
    const QColor Hide(0x9B, 0x6A, 0x45);
    const QColor Horn(0xF1, 0xE4, 0xC4);
    QPainterPath Left;
    Left.moveTo(34, 30);
    Left.cubicTo(20, 28, 14, 18, 18, 8);
    Left.cubicTo(24, 18, 30, 20, 38, 22);
    Outlined(P, Left, Horn, Ink, 1.4);
    QPainterPath Right;
    Right.moveTo(67, 30);
    Right.cubicTo(81, 28, 87, 18, 83, 8);
    Right.cubicTo(77, 18, 71, 20, 63, 22);
    Outlined(P, Right, Horn, Ink, 1.4);
    Outlined(P, Circle(20, 38, 10, 6), Hide, Ink, 1.4);
    Outlined(P, Circle(81, 38, 10, 6), Hide, Ink, 1.4);
    QPainterPath Head;
    Head.addRoundedRect(QRectF(27, 20, 47, 54), 20, 20);
    Outlined(P, Head, Hide, Ink, 1.5);
    Outlined(P, Polygon({{44, 21}, {50.5, 34}, {57, 21}}), Light, Ink, 1);
    Outlined(P, Circle(50.5, 66, 19, 13), QColor(0xEB, 0xC1, 0xA6), Ink, 1.5);
    Ellipse(P, 43, 66, 3, 4, QColor(0x5A, 0x3A, 0x2A));
    Ellipse(P, 58, 66, 3, 4, QColor(0x5A, 0x3A, 0x2A));
    Eye(P, 39, 42, 3);
    Eye(P, 62, 42, 3);
    QPainterPath Ring;
    Ring.addEllipse(QPointF(50.5, 79), 6, 5);
    Stroke(P, Ring, QColor(0xE0, 0xB0, 0x30), 2);
}

void Tiger(QPainter& P) {
    const QColor Coat(0xF0, 0x98, 0x2E);
    const QColor Stripe(0x3A, 0x2A, 0x22);
    for (const double X : {25.0, 76.0}) {
        Outlined(P, Circle(X, 24, 10, 10), Coat, Ink, 1.5);
        Ellipse(P, X, 25, 5, 5, QColor(0xF7, 0xD9, 0xC0));
    }
    Outlined(P, Circle(50.5, 50, 33, 29), Coat, Ink, 1.6);
    P.setPen(QPen(Stripe, 2.6, Qt::SolidLine, Qt::RoundCap));
    P.drawLine(QPointF(42, 28), QPointF(59, 28));
    P.drawLine(QPointF(43, 34), QPointF(58, 34));
    P.drawLine(QPointF(42, 40), QPointF(59, 40));
    P.drawLine(QPointF(50.5, 28), QPointF(50.5, 40));
    for (const int Side : {-1, 1}) {
        P.drawLine(QPointF(50.5 + Side * 33, 46), QPointF(50.5 + Side * 24, 48));
        P.drawLine(QPointF(50.5 + Side * 32, 55), QPointF(50.5 + Side * 23, 55));
        P.drawLine(QPointF(50.5 + Side * 29, 64), QPointF(50.5 + Side * 21, 61));
    }
    Outlined(P, Circle(41, 62, 11, 9), QColor(0xFB, 0xF1, 0xE2), Ink, 1.2);
    Outlined(P, Circle(60, 62, 11, 9), QColor(0xFB, 0xF1, 0xE2), Ink, 1.2);
    Outlined(P, Polygon({{45, 54}, {56, 54}, {50.5, 60}}), QColor(0xD8, 0x5A, 0x5A), Ink, 1);
    Eye(P, 38, 47, 3.2);
    Eye(P, 63, 47, 3.2);
    P.setPen(QPen(Ink, 0.9));
    for (const double Dy : {-2.0, 3.0}) {
        P.drawLine(QPointF(34, 62), QPointF(18, 60 + Dy));
        P.drawLine(QPointF(67, 62), QPointF(83, 60 + Dy));
    }
}

void Rabbit(QPainter& P) {
    const QColor Fur(0xE9, 0xE6, 0xEE);
    const QColor Inner(0xF4, 0xB6, 0xC6);
    for (const double Angle : {-12.0, 12.0}) {
        P.save();
        P.translate(50.5 + Angle * 0.8, 40);
        P.rotate(Angle);
        Outlined(P, Circle(0, -20, 7.5, 20), Fur, Ink, 1.5);
        Ellipse(P, 0, -20, 3.5, 15, Inner);
        P.restore();
    }
    Outlined(P, Circle(52, 70, 24, 16), Fur, Ink, 1.5);
    Outlined(P, Circle(78, 72, 7, 7), Light, Ink, 1.2);
    Outlined(P, Circle(50.5, 48, 19, 16), Fur, Ink, 1.5);
    Eye(P, 43, 46, 3);
    Eye(P, 58, 46, 3);
    Ellipse(P, 50.5, 53, 2.4, 1.8, QColor(0xE0, 0x6A, 0x86));
    Ellipse(P, 38, 54, 3.5, 2.2, QColor(0xF6, 0xC4, 0xD0));
    Ellipse(P, 63, 54, 3.5, 2.2, QColor(0xF6, 0xC4, 0xD0));
    QPainterPath Mouth;
    Mouth.moveTo(47, 57);
    Mouth.quadTo(50.5, 60, 50.5, 55);
    Mouth.quadTo(50.5, 60, 54, 57);
    Stroke(P, Mouth, Ink, 1);
}

void Dragon(QPainter& P) {
    const QColor Scale(0x2E, 0x9A, 0x6A);
    const QColor Belly(0xF4, 0xD0, 0x6A);
    QPainterPath Body;
    Body.moveTo(88, 74);
    Body.cubicTo(70, 86, 50, 70, 56, 56);
    Body.cubicTo(62, 42, 80, 46, 74, 32);
    Body.cubicTo(68, 20, 48, 26, 40, 30);
    Stroke(P, Body, Ink, 13);
    Stroke(P, Body, Scale, 10.5);
    Stroke(P, Body, Belly, 3);
    for (double T = 0.06; T < 0.95; T += 0.09) {
        const QPointF At = Body.pointAtPercent(T);
        const double A = qDegreesToRadians(-Body.angleAtPercent(T)) - M_PI / 2;
        const QPointF Out(std::cos(A), std::sin(A));
        const QPointF Along(-Out.y(), Out.x());
        Outlined(P, Polygon({At + Out * 4 + Along * 3, At + Out * 11, At + Out * 4 - Along * 3}),
                 QColor(0xE0, 0x4A, 0x3A), Ink, 0.8);
    }
    QPainterPath Antler;
    Antler.moveTo(30, 22);
    Antler.lineTo(24, 8);
    Antler.moveTo(26, 13);
    Antler.lineTo(18, 10);
    Antler.moveTo(36, 20);
    Antler.lineTo(38, 6);
    Antler.moveTo(37, 12);
    Antler.lineTo(44, 9);
    Stroke(P, Antler, QColor(0xB0, 0x7A, 0x3A), 2.4);
    QPainterPath Head;
    Head.moveTo(42, 24);
    Head.cubicTo(34, 16, 20, 20, 16, 28);
    Head.lineTo(8, 32);
    Head.lineTo(10, 40);
    Head.cubicTo(20, 44, 36, 44, 44, 36);
    Head.closeSubpath();
    Outlined(P, Head, Scale, Ink, 1.5);
    Outlined(P, Polygon({{10, 38}, {28, 40}, {40, 38}, {30, 44}, {12, 42}}),
             QColor(0xE0, 0x4A, 0x3A), Ink, 1);
    Eye(P, 30, 28, 2.8);
    QPainterPath Whisker;
    Whisker.moveTo(12, 32);
    Whisker.cubicTo(4, 40, 14, 52, 6, 60);
    Whisker.moveTo(18, 36);
    Whisker.cubicTo(14, 48, 26, 54, 20, 64);
    Stroke(P, Whisker, QColor(0xC0, 0x8A, 0x3A), 1.3);
    Outlined(P, Circle(48, 64, 5, 3), Scale, Ink, 1);
    Outlined(P, Circle(72, 60, 5, 3), Scale, Ink, 1);
}

void Snake(QPainter& P) {
    const QColor Skin(0x6C, 0xB8, 0x4A);
    QPainterPath Body;
    Body.moveTo(18, 76);
    Body.cubicTo(40, 86, 84, 82, 80, 66);
    Body.cubicTo(76, 52, 30, 60, 28, 46);
    Body.cubicTo(26, 32, 60, 36, 62, 26);
    Stroke(P, Body, Ink, 12);
    Stroke(P, Body, Skin, 9.5);
    for (double T = 0.05; T < 0.95; T += 0.07) {
        const QPointF At = Body.pointAtPercent(T);
        Ellipse(P, At.x(), At.y(), 2.2, 2.2, QColor(0xF2, 0xD8, 0x5A));
    }
    Outlined(P, Circle(66, 22, 11, 8), Skin, Ink, 1.5);
    Eye(P, 68, 19, 2.6);
    QPainterPath Tongue;
    Tongue.moveTo(76, 25);
    Tongue.lineTo(86, 27);
    Tongue.lineTo(90, 23);
    Tongue.moveTo(86, 27);
    Tongue.lineTo(90, 31);
    Stroke(P, Tongue, QColor(0xD8, 0x3A, 0x3A), 1.4);
}

void Horse(QPainter& P) {
    const QColor Coat(0xB0, 0x72, 0x44);
    const QColor Mane(0x4A, 0x30, 0x24);
    QPainterPath Neck;
    Neck.moveTo(56, 18);
    Neck.cubicTo(72, 22, 82, 50, 80, 84);
    Neck.lineTo(44, 84);
    Neck.cubicTo(48, 70, 44, 62, 38, 58);
    Neck.lineTo(18, 62);
    Neck.cubicTo(10, 60, 10, 50, 16, 46);
    Neck.cubicTo(28, 32, 38, 20, 56, 18);
    Neck.closeSubpath();
    Outlined(P, Neck, Coat, Ink, 1.5);
    Outlined(P, Polygon({{50, 20}, {54, 6}, {60, 20}}), Coat, Ink, 1.4);
    QPainterPath Hair;
    Hair.moveTo(58, 18);
    Hair.cubicTo(76, 18, 88, 44, 86, 84);
    Hair.lineTo(78, 84);
    Hair.cubicTo(80, 52, 72, 26, 56, 22);
    Hair.closeSubpath();
    Outlined(P, Hair, Mane, Ink, 1);
    Outlined(P, Polygon({{46, 20}, {56, 14}, {58, 26}}), Mane, Ink, 1);
    Outlined(P, Circle(17, 54, 7, 7), QColor(0xD8, 0xA0, 0x7A), Ink, 1.2);
    Ellipse(P, 14, 53, 1.8, 1.8, QColor(0x3A, 0x24, 0x1A));
    Eye(P, 40, 33, 3);
    Outlined(P, Polygon({{30, 22}, {34, 32}, {26, 30}}), QColor(0xFB, 0xF4, 0xE8), Ink, 0.8);
}

void Goat(QPainter& P) {
    const QColor Wool(0xF3, 0xEC, 0xDC);
    // The fleece: outlined puffs, then their insides again over the outlines between them.
    const QPointF Puffs[] = {{52, 60}, {64, 56}, {76, 62}, {70, 72},
                             {56, 74}, {44, 70}, {84, 70}, {62, 66}};
    for (const QPointF& At : Puffs)
        Outlined(P, Circle(At.x(), At.y(), 11, 10), Wool, Ink, 1.2);
    for (const QPointF& At : Puffs)
        Ellipse(P, At.x(), At.y(), 9.8, 8.8, Wool);
    P.fillRect(QRectF(50, 78, 4, 8), QColor(0x5A, 0x46, 0x3A));
    P.fillRect(QRectF(72, 78, 4, 8), QColor(0x5A, 0x46, 0x3A));
    const QColor Face(0xD8, 0xC0, 0xA0);
    Outlined(P, Circle(30, 42, 14, 17), Face, Ink, 1.5);
    Outlined(P, Polygon({{26, 58}, {34, 58}, {30, 70}}), Wool, Ink, 1);
    const QColor Horn(0x9A, 0x72, 0x4E);
    for (const int Side : {-1, 1}) {
        QPainterPath Curl;
        Curl.moveTo(30 + Side * 6, 28);
        Curl.cubicTo(30 + Side * 20, 14, 30 + Side * 26, 30, 30 + Side * 18, 36);
        Curl.cubicTo(30 + Side * 12, 38, 30 + Side * 12, 30, 30 + Side * 17, 30);
        Stroke(P, Curl, Ink, 5.2);
        Stroke(P, Curl, Horn, 3.4);
    }
    Eye(P, 24, 42, 2.6);
    Eye(P, 36, 42, 2.6);
    Ellipse(P, 30, 52, 3, 2, QColor(0x8A, 0x5A, 0x4A));
}

void Monkey(QPainter& P) {
    const QColor Fur(0x9A, 0x62, 0x3A);
    const QColor Face(0xF1, 0xCF, 0xA8);
    QPainterPath Tail;
    Tail.moveTo(66, 72);
    Tail.cubicTo(92, 74, 94, 44, 80, 44);
    Tail.cubicTo(72, 44, 74, 54, 80, 54);
    Stroke(P, Tail, Ink, 5);
    Stroke(P, Tail, Fur, 3.4);
    Outlined(P, Circle(52, 72, 18, 13), Fur, Ink, 1.5);
    for (const double X : {22.0, 80.0}) {
        Outlined(P, Circle(X, 40, 9, 10), Fur, Ink, 1.4);
        Ellipse(P, X, 40, 5, 6, Face);
    }
    Outlined(P, Circle(51, 40, 26, 25), Fur, Ink, 1.6);
    QPainterPath Mask;
    Mask.setFillRule(Qt::WindingFill);
    Mask.addEllipse(QPointF(43, 36), 10, 10);
    Mask.addEllipse(QPointF(59, 36), 10, 10);
    Mask.addEllipse(QPointF(51, 50), 17, 13);
    Outlined(P, Mask.simplified(), Face, Ink, 1.2);
    Eye(P, 44, 36, 3);
    Eye(P, 58, 36, 3);
    Ellipse(P, 48.5, 46, 1.3, 1.1, Ink);
    Ellipse(P, 53.5, 46, 1.3, 1.1, Ink);
    QPainterPath Mouth;
    Mouth.moveTo(44, 52);
    Mouth.quadTo(51, 58, 58, 52);
    Stroke(P, Mouth, Ink, 1.2);
    Outlined(P, Circle(34, 74, 8, 7), QColor(0xF6, 0x9A, 0x8A), Ink, 1.2);
    Outlined(P, Polygon({{33, 67}, {37, 62}, {39, 66}}), QColor(0x6A, 0xB0, 0x4A), Ink, 0.8);
}

void Rooster(QPainter& P) {
    const QColor Body(0xE8, 0x7A, 0x34);
    const QColor Comb(0xE0, 0x2E, 0x2E);
    for (int K = 0; K < 4; ++K) {
        QPainterPath Feather;
        Feather.moveTo(64, 56);
        Feather.cubicTo(74 + K * 3, 20 + K * 6, 92, 24 + K * 9, 90 - K, 48 + K * 8);
        Stroke(P, Feather, Ink, 6);
        Stroke(P, Feather, K % 2 ? QColor(0x2E, 0x6A, 0x9A) : QColor(0x2A, 0x8A, 0x5A), 4.4);
    }
    Outlined(P, Circle(54, 58, 22, 17), Body, Ink, 1.5);
    Outlined(P, Circle(36, 36, 11, 12), Body, Ink, 1.5);
    QPainterPath Crest;
    Crest.setFillRule(Qt::WindingFill);
    Crest.addEllipse(QPointF(30, 23), 4.5, 5);
    Crest.addEllipse(QPointF(36, 21), 4.5, 6);
    Crest.addEllipse(QPointF(42, 24), 4.5, 5);
    Outlined(P, Crest.simplified(), Comb, Ink, 1.1);
    Outlined(P, Polygon({{26, 34}, {16, 38}, {26, 41}}), QColor(0xF5, 0xC3, 0x2E), Ink, 1.1);
    Outlined(P, Circle(27, 46, 3.5, 5), Comb, Ink, 1);
    Eye(P, 34, 33, 2.6);
    QPainterPath Wing;
    Wing.moveTo(44, 56);
    Wing.cubicTo(52, 48, 66, 52, 66, 60);
    Wing.cubicTo(60, 68, 50, 66, 44, 56);
    Outlined(P, Wing, QColor(0xC8, 0x52, 0x2A), Ink, 1.1);
    P.setPen(QPen(QColor(0xE0, 0xA0, 0x20), 2.4, Qt::SolidLine, Qt::RoundCap));
    for (const double X : {48.0, 60.0}) {
        P.drawLine(QPointF(X, 74), QPointF(X, 84));
        P.drawLine(QPointF(X, 84), QPointF(X - 5, 86));
        P.drawLine(QPointF(X, 84), QPointF(X + 4, 86));
    }
}

void Dog(QPainter& P) {
    const QColor Coat(0xD9, 0xA8, 0x6C);
    const QColor Ear(0x7A, 0x52, 0x34);
    Outlined(P, Circle(50.5, 44, 25, 24), Coat, Ink, 1.6);
    for (const int Side : {-1, 1}) {
        P.save();
        P.translate(50.5 + Side * 24, 40);
        P.rotate(Side * -18);
        Outlined(P, Circle(0, 6, 8, 17), Ear, Ink, 1.4);
        P.restore();
    }
    Outlined(P, Circle(50.5, 56, 15, 11), QColor(0xFA, 0xF0, 0xE0), Ink, 1.2);
    Outlined(P, Circle(50.5, 50, 5.5, 4), QColor(0x2A, 0x22, 0x1E), Ink, 0.8);
    Outlined(P, Circle(50.5, 65, 4, 5), QColor(0xEE, 0x70, 0x80), Ink, 1);
    QPainterPath Mouth;
    Mouth.moveTo(44, 58);
    Mouth.quadTo(50.5, 63, 57, 58);
    Stroke(P, Mouth, Ink, 1.2);
    Eye(P, 41, 38, 3.2);
    Eye(P, 60, 38, 3.2);
    Ellipse(P, 60, 34, 6, 4, QColor(0xB8, 0x82, 0x4E, 140));
    QPainterPath Collar;
    Collar.moveTo(32, 70);
    Collar.quadTo(50.5, 80, 69, 70);
    Stroke(P, Collar, QColor(0xD8, 0x3A, 0x3A), 4);
    Outlined(P, Circle(50.5, 80, 4, 4), QColor(0xF2, 0xC8, 0x3A), Ink, 1);
}

void Pig(QPainter& P) {
    const QColor Skin(0xF6, 0xB6, 0xC2);
    const QColor Deep(0xE8, 0x8A, 0x9E);
    Outlined(P, Polygon({{24, 30}, {22, 10}, {40, 22}}), Skin, Ink, 1.4);
    Outlined(P, Polygon({{77, 30}, {79, 10}, {61, 22}}), Skin, Ink, 1.4);
    Outlined(P, Circle(50.5, 48, 32, 28), Skin, Ink, 1.6);
    Outlined(P, Circle(50.5, 56, 14, 10), Deep, Ink, 1.4);
    Ellipse(P, 45, 56, 3, 4, QColor(0x9A, 0x4A, 0x5A));
    Ellipse(P, 56, 56, 3, 4, QColor(0x9A, 0x4A, 0x5A));
    Eye(P, 38, 40, 3);
    Eye(P, 63, 40, 3);
    Ellipse(P, 28, 54, 5, 3, QColor(0xF0, 0x90, 0xA4));
    Ellipse(P, 73, 54, 5, 3, QColor(0xF0, 0x90, 0xA4));
    QPainterPath Mouth;
    Mouth.moveTo(44, 70);
    Mouth.quadTo(50.5, 74, 57, 70);
    Stroke(P, Mouth, Ink, 1.2);
}

} // namespace

QImage ZodiacPicture(int Index) {
    using Draw = void (*)(QPainter&);
    static const Draw Animals[] = {Rat,   Ox,   Tiger,  Rabbit,  Dragon, Snake,
                                   Horse, Goat, Monkey, Rooster, Dog,    Pig};
    const QColor Background = Index == 4 ? QColor(0xDC, 0xDC, 0xDC) : QColor(Qt::white);
    QImage Image(101, 92, QImage::Format_ARGB32_Premultiplied);
    Image.fill(Background);
    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing);
    Animals[Index](Painter);
    Painter.end();
    return Image.convertToFormat(QImage::Format_RGB888);
}
