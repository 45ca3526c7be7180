// The twelve month pictures: one pale seasonal scene per month, the month's number large
// and faint in the middle. 410 x 327 pixels (June 412), 24-bit.

#include "Drawing.h"

#include <QFont>
#include <QLinearGradient>
#include <QtMath>

#include <functional>
#include <vector>

namespace {

constexpr int Height = 327;

struct TScene {
    QPainter& P;
    int W;
    QRandomGenerator Random;

    double Rand(double Low, double High) { return Low + Random.generateDouble() * (High - Low); }

    void Sky(const QColor& Top, const QColor& Bottom) {
        QLinearGradient Fill(0, 0, 0, Height);
        Fill.setColorAt(0, Top);
        Fill.setColorAt(1, Bottom);
        P.fillRect(0, 0, W, Height, Fill);
    }

    // A band of rolling hills whose crest lies about at Base, filled down to the foot.
    void Hills(double Base, double Swing, double Waves, double Phase, const QColor& Fill) {
        QPainterPath Path;
        Path.moveTo(0, Height);
        for (int X = 0; X <= W; X += 4)
            Path.lineTo(X, Base - Swing * std::sin(X / double(W) * Waves * M_PI + Phase));
        Path.lineTo(W, Height);
        Path.closeSubpath();
        Outlined(P, Path, Fill, Fill, 0);
    }

    void Sun(double X, double Y, double R, const QColor& Core, bool Rays) {
        if (Rays) {
            P.setPen(QPen(Core, 3, Qt::SolidLine, Qt::RoundCap));
            for (int I = 0; I < 12; ++I) {
                const double A = I * M_PI / 6;
                P.drawLine(QPointF(X + std::cos(A) * (R + 6), Y + std::sin(A) * (R + 6)),
                           QPointF(X + std::cos(A) * (R + 16), Y + std::sin(A) * (R + 16)));
            }
        }
        QColor Glow = Core;
        Glow.setAlpha(60);
        Ellipse(P, X, Y, R * 1.35, R * 1.35, Glow);
        Ellipse(P, X, Y, R, R, Core);
    }

    void Cloud(double X, double Y, double S) {
        const QColor White(255, 255, 255, 235);
        Ellipse(P, X, Y, 26 * S, 15 * S, White);
        Ellipse(P, X - 22 * S, Y + 5 * S, 18 * S, 11 * S, White);
        Ellipse(P, X + 24 * S, Y + 6 * S, 20 * S, 11 * S, White);
        Ellipse(P, X + 4 * S, Y - 9 * S, 16 * S, 12 * S, White);
    }

    void Snowflakes(int Count, double Bottom) {
        P.setPen(QPen(QColor(255, 255, 255, 230), 1.4, Qt::SolidLine, Qt::RoundCap));
        for (int I = 0; I < Count; ++I) {
            const QPointF C(Rand(0, W), Rand(0, Bottom));
            const double R = Rand(2, 4.5);
            for (int K = 0; K < 3; ++K) {
                const double A = K * M_PI / 3;
                P.drawLine(C + QPointF(std::cos(A) * R, std::sin(A) * R),
                           C - QPointF(std::cos(A) * R, std::sin(A) * R));
            }
        }
    }

    void Pine(double X, double Foot, double Size, bool Snow) {
        P.fillRect(QRectF(X - Size * 0.08, Foot - Size * 0.25, Size * 0.16, Size * 0.25),
                   QColor(0x8A, 0x6A, 0x4E));
        for (int Tier = 0; Tier < 3; ++Tier) {
            const double Bottom = Foot - Size * (0.18 + Tier * 0.25);
            const double Half = Size * (0.42 - Tier * 0.1);
            const double Top = Bottom - Size * 0.42;
            Outlined(P, Polygon({{X - Half, Bottom}, {X + Half, Bottom}, {X, Top}}),
                     QColor(0x4F, 0x8A, 0x6B), QColor(0x3F, 0x74, 0x58), 1);
            if (Snow)
                Outlined(P,
                         Polygon({{X - Half * 0.45, Top + (Bottom - Top) * 0.45},
                                  {X + Half * 0.45, Top + (Bottom - Top) * 0.45},
                                  {X, Top}}),
                         QColor(0xFB, 0xFD, 0xFF), QColor(0xFB, 0xFD, 0xFF), 0);
        }
    }

    void Blossom(double X, double Y, double R, const QColor& Petal) {
        for (int I = 0; I < 5; ++I) {
            const double A = I * 2 * M_PI / 5 - M_PI / 2;
            Ellipse(P, X + std::cos(A) * R * 0.6, Y + std::sin(A) * R * 0.6, R * 0.55, R * 0.55,
                    Petal);
        }
        Ellipse(P, X, Y, R * 0.3, R * 0.3, QColor(0xF6, 0xD3, 0x5B));
    }

    void Branch(QPointF From, double Angle, double Length, double Width, int Depth,
                const QColor& Bark, const std::function<void(QPointF)>& Tip) {
        const QPointF To = From + QPointF(std::cos(Angle) * Length, std::sin(Angle) * Length);
        P.setPen(QPen(Bark, Width, Qt::SolidLine, Qt::RoundCap));
        P.drawLine(From, To);
        if (Depth == 0) {
            if (Tip)
                Tip(To);
            return;
        }
        Branch(To, Angle - Rand(0.3, 0.6), Length * 0.72, Width * 0.68, Depth - 1, Bark, Tip);
        Branch(To, Angle + Rand(0.3, 0.6), Length * 0.72, Width * 0.68, Depth - 1, Bark, Tip);
    }

    void Bird(double X, double Y, double S, const QColor& Color) {
        QPainterPath Path;
        Path.moveTo(X - 9 * S, Y - 3 * S);
        Path.quadTo(X - 4 * S, Y - 5 * S, X, Y);
        Path.quadTo(X + 4 * S, Y - 5 * S, X + 9 * S, Y - 3 * S);
        Stroke(P, Path, Color, 1.8 * S);
    }

    void MapleLeaf(double X, double Y, double R, double Turn, const QColor& Color) {
        QPainterPath Leaf;
        for (int I = 0; I < 10; ++I) {
            const double A = Turn + I * M_PI / 5 - M_PI / 2;
            const double Radius = I % 2 == 0 ? R : R * 0.45;
            const QPointF Point(X + std::cos(A) * Radius, Y + std::sin(A) * Radius);
            if (I == 0)
                Leaf.moveTo(Point);
            else
                Leaf.lineTo(Point);
        }
        Leaf.closeSubpath();
        Outlined(P, Leaf, Color, Color.darker(115), 0.8);
    }
};

void January(TScene& S) {
    S.Sky(QColor(0xC9, 0xDF, 0xF3), QColor(0xF2, 0xF7, 0xFC));
    S.Hills(215, 22, 1.6, 0.4, QColor(0xDD, 0xE8, 0xF4));
    S.Hills(250, 14, 2.4, 1.2, QColor(0xF7, 0xFA, 0xFE));
    for (double X : {48.0, 92.0, 330.0, 372.0})
        S.Pine(X, 262 + (int(X) % 3) * 4, X < 100 ? 78 : 64, true);
    S.Hills(292, 8, 3, 2, QColor(0xFD, 0xFE, 0xFF));
    S.Snowflakes(70, 300);
}

void February(TScene& S) {
    S.Sky(QColor(0xF8, 0xE6, 0xEC), QColor(0xFF, 0xFA, 0xF6));
    S.Hills(268, 10, 2, 0.5, QColor(0xFB, 0xFB, 0xFD));
    const QColor Bark(0x6B, 0x4A, 0x3C);
    QPainterPath Main;
    Main.moveTo(-10, 40);
    Main.cubicTo(80, 60, 150, 30, 250, 90);
    Stroke(S.P, Main, Bark, 9);
    const std::vector<std::pair<QPointF, QPointF>> Twigs{{{70, 50}, {110, 120}},
                                                         {{150, 48}, {190, 10}},
                                                         {{200, 62}, {240, 140}},
                                                         {{120, 52}, {80, 95}},
                                                         {{230, 80}, {300, 70}}};
    for (const auto& [From, To] : Twigs) {
        QPainterPath Twig;
        Twig.moveTo(From);
        Twig.quadTo((From + To) / 2 + QPointF(10, -6), To);
        Stroke(S.P, Twig, Bark, 3.5);
    }
    const QColor Petal(0xE8, 0x7F, 0x9A);
    for (const QPointF& At : std::vector<QPointF>{{40, 46},
                                                  {96, 58},
                                                  {110, 118},
                                                  {84, 92},
                                                  {180, 18},
                                                  {168, 40},
                                                  {238, 136},
                                                  {222, 102},
                                                  {262, 84},
                                                  {298, 70},
                                                  {140, 50},
                                                  {210, 70},
                                                  {60, 52},
                                                  {190, 58},
                                                  {280, 76}})
        S.Blossom(At.x(), At.y(), S.Rand(7, 10), Petal);
    for (int I = 0; I < 14; ++I)
        Ellipse(S.P, S.Rand(60, 400), S.Rand(120, 300), 2.5, 1.8, QColor(0xF2, 0xA5, 0xB8));
}

void March(TScene& S) {
    S.Sky(QColor(0xD7, 0xEE, 0xFA), QColor(0xF4, 0xFB, 0xEE));
    S.Hills(225, 24, 1.4, 0.2, QColor(0xD2, 0xEB, 0xBE));
    S.Hills(265, 16, 2.2, 1.6, QColor(0xBF, 0xE2, 0xA2));
    S.Hills(300, 8, 3.1, 0.6, QColor(0xAE, 0xD9, 0x8E));
    const QColor Willow(0x8C, 0xC0, 0x5C);
    for (int I = 0; I < 16; ++I) {
        const double X = 250 + I * 11 + S.Rand(-3, 3);
        QPainterPath Strand;
        Strand.moveTo(X, -4);
        Strand.cubicTo(X - 10, 50, X + 8, 90, X - 6, 110 + S.Rand(0, 50));
        Stroke(S.P, Strand, Willow, 1.4);
        for (double T = 0.15; T < 1; T += 0.12) {
            const QPointF At = Strand.pointAtPercent(T);
            Ellipse(S.P, At.x() + 2.5, At.y(), 3, 1.4, Willow);
        }
    }
    S.Bird(90, 70, 1.6, QColor(0x34, 0x3E, 0x4A));
    S.Bird(140, 100, 1.2, QColor(0x34, 0x3E, 0x4A));
    S.Bird(60, 120, 1.0, QColor(0x34, 0x3E, 0x4A));
}

void April(TScene& S) {
    S.Sky(QColor(0xDF, 0xEF, 0xFB), QColor(0xF7, 0xFB, 0xF4));
    S.Sun(350, 58, 22, QColor(0xFF, 0xE2, 0x8A), false);
    S.Hills(255, 14, 1.8, 0.8, QColor(0xD0, 0xEA, 0xB4));
    const QColor Bark(0x7D, 0x5A, 0x44);
    S.Branch(QPointF(120, 290), -M_PI / 2, 70, 12, 4, Bark, [&](QPointF Tip) {
        for (int I = 0; I < 3; ++I)
            Ellipse(S.P, Tip.x() + S.Rand(-12, 12), Tip.y() + S.Rand(-10, 10), S.Rand(12, 18),
                    S.Rand(10, 15), QColor(0xF6, 0xB8, 0xCA, 200));
    });
    for (int I = 0; I < 30; ++I)
        S.Blossom(S.Rand(40, 200), S.Rand(60, 180), 5, QColor(0xEE, 0x8F, 0xAB));
    for (int I = 0; I < 18; ++I)
        Ellipse(S.P, S.Rand(180, 400), S.Rand(150, 320), 2.4, 1.6, QColor(0xF3, 0xA8, 0xBE));
    S.Hills(300, 6, 3, 0.2, QColor(0xBE, 0xE0, 0x9C));
}

void May(TScene& S) {
    S.Sky(QColor(0xC8, 0xE6, 0xFA), QColor(0xEE, 0xF8, 0xFF));
    S.Cloud(90, 60, 1.2);
    S.Cloud(300, 90, 0.9);
    S.Hills(230, 12, 1.2, 0.4, QColor(0xC8, 0xE8, 0xAA));
    S.Hills(262, 10, 2.0, 1.1, QColor(0xB4, 0xDE, 0x92));
    const QColor Colors[] = {QColor(0xF2, 0x6D, 0x6D), QColor(0xF7, 0xD0, 0x4A),
                             QColor(0xB3, 0x8C, 0xE6), QColor(0xFF, 0xFF, 0xFF),
                             QColor(0xF5, 0x9E, 0xC8)};
    for (int I = 0; I < 90; ++I) {
        const double X = S.Rand(0, S.W);
        const double Y = S.Rand(250, 320);
        S.P.setPen(QPen(QColor(0x6E, 0xA8, 0x52), 1));
        S.P.drawLine(QPointF(X, Y), QPointF(X, Y + 8));
        S.Blossom(X, Y, 4 + (Y - 250) / 25, Colors[I % 5]);
    }
    const auto Butterfly = [&](double X, double Y, const QColor& Wing) {
        Ellipse(S.P, X - 6, Y - 4, 6, 5, Wing);
        Ellipse(S.P, X + 6, Y - 4, 6, 5, Wing);
        Ellipse(S.P, X - 5, Y + 4, 4, 3.5, Wing.lighter(115));
        Ellipse(S.P, X + 5, Y + 4, 4, 3.5, Wing.lighter(115));
        Ellipse(S.P, X, Y, 1.3, 6, QColor(0x40, 0x38, 0x30));
    };
    Butterfly(180, 170, QColor(0xF6, 0xA6, 0x3C));
    Butterfly(250, 200, QColor(0x7F, 0xA8, 0xE8));
}

void June(TScene& S) {
    S.Sky(QColor(0xE2, 0xF3, 0xF0), QColor(0xF4, 0xFB, 0xF8));
    QLinearGradient Water(0, 150, 0, Height);
    Water.setColorAt(0, QColor(0xC4, 0xE6, 0xE2));
    Water.setColorAt(1, QColor(0x9C, 0xD2, 0xCD));
    S.P.fillRect(QRectF(0, 150, S.W, Height - 150), Water);
    S.P.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
    for (int I = 0; I < 22; ++I) {
        const double X = S.Rand(0, S.W);
        const double Y = S.Rand(165, 320);
        S.P.drawLine(QPointF(X, Y), QPointF(X + S.Rand(12, 30), Y));
    }
    const auto Leaf = [&](double X, double Y, double R) {
        QPainterPath Pad;
        Pad.addEllipse(QPointF(X, Y), R, R * 0.38);
        Outlined(S.P, Pad, QColor(0x7C, 0xBF, 0x78), QColor(0x5E, 0xA0, 0x5C), 1.2);
        S.P.setPen(QPen(QColor(0x5E, 0xA0, 0x5C), 0.8));
        for (int K = 0; K < 6; ++K) {
            const double A = K * M_PI / 6;
            S.P.drawLine(QPointF(X, Y),
                         QPointF(X + std::cos(A) * R * 0.9, Y + std::sin(A) * R * 0.34));
        }
    };
    const auto Lotus = [&](double X, double Y, double R) {
        S.P.setPen(QPen(QColor(0x6E, 0xA8, 0x5E), 2));
        S.P.drawLine(QPointF(X, Y), QPointF(X + 2, Y + R * 2.2));
        for (int K = -2; K <= 2; ++K) {
            S.P.save();
            S.P.translate(X, Y);
            S.P.rotate(K * 24);
            QPainterPath Petal;
            Petal.moveTo(0, 0);
            Petal.cubicTo(-R * 0.5, -R * 0.5, -R * 0.25, -R * 1.1, 0, -R * 1.3);
            Petal.cubicTo(R * 0.25, -R * 1.1, R * 0.5, -R * 0.5, 0, 0);
            Outlined(S.P, Petal, QColor(0xF7, 0xB3, 0xC8), QColor(0xE0, 0x86, 0xA4), 1);
            S.P.restore();
        }
    };
    Leaf(70, 250, 46);
    Leaf(330, 280, 52);
    Leaf(200, 300, 36);
    Leaf(370, 205, 30);
    Leaf(40, 195, 26);
    Lotus(110, 200, 28);
    Lotus(300, 222, 24);
    S.P.setPen(QPen(QColor(0x3E, 0x6E, 0x9A), 2, Qt::SolidLine, Qt::RoundCap));
    S.P.drawLine(QPointF(215, 110), QPointF(245, 114));
    Ellipse(S.P, 228, 106, 10, 3, QColor(0xA8, 0xD4, 0xF0, 190));
    Ellipse(S.P, 230, 117, 9, 3, QColor(0xA8, 0xD4, 0xF0, 190));
}

void July(TScene& S) {
    S.Sky(QColor(0xB9, 0xE0, 0xF7), QColor(0xE6, 0xF5, 0xFD));
    S.Sun(80, 62, 28, QColor(0xFF, 0xD8, 0x5C), true);
    S.Cloud(290, 70, 1.0);
    QLinearGradient Sea(0, 185, 0, 270);
    Sea.setColorAt(0, QColor(0x7E, 0xC4, 0xE0));
    Sea.setColorAt(1, QColor(0xB2, 0xE0, 0xF0));
    S.P.fillRect(QRectF(0, 185, S.W, 90), Sea);
    S.P.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    for (int I = 0; I < 18; ++I) {
        const double X = S.Rand(0, S.W);
        const double Y = S.Rand(195, 262);
        QPainterPath Wave;
        Wave.moveTo(X, Y);
        Wave.quadTo(X + 6, Y - 3, X + 12, Y);
        Wave.quadTo(X + 18, Y - 3, X + 24, Y);
        Stroke(S.P, Wave, QColor(255, 255, 255, 200), 1.4);
    }
    S.Hills(282, 10, 1.5, 0.3, QColor(0xF5, 0xE3, 0xB8));
    Outlined(S.P, Polygon({{250, 205}, {320, 205}, {310, 218}, {262, 218}}),
             QColor(0xD9, 0x5B, 0x4A), QColor(0xB5, 0x46, 0x38), 1);
    Outlined(S.P, Polygon({{286, 200}, {286, 130}, {318, 198}}), QColor(0xFC, 0xFC, 0xFA),
             QColor(0xC8, 0xCC, 0xD0), 1);
    Outlined(S.P, Polygon({{282, 200}, {282, 142}, {258, 198}}), QColor(0xF6, 0xEE, 0xD8),
             QColor(0xC8, 0xCC, 0xD0), 1);
    S.Bird(180, 120, 1.1, QColor(0x6A, 0x78, 0x86));
    S.Bird(205, 100, 0.9, QColor(0x6A, 0x78, 0x86));
    for (int I = 0; I < 5; ++I)
        Ellipse(S.P, S.Rand(30, 380), S.Rand(295, 318), 4, 2.5, QColor(0xF2, 0xC4, 0xA8));
}

void August(TScene& S) {
    S.Sky(QColor(0xFF, 0xEE, 0xC4), QColor(0xFF, 0xFA, 0xEA));
    S.Sun(320, 70, 30, QColor(0xFF, 0xC8, 0x4A), true);
    S.Hills(235, 10, 1.3, 0.7, QColor(0xCC, 0xE3, 0x9C));
    S.Hills(270, 8, 2.0, 0.1, QColor(0xB8, 0xD8, 0x84));
    const auto Sunflower = [&](double X, double Y, double R) {
        S.P.setPen(QPen(QColor(0x6A, 0x9A, 0x44), 3));
        S.P.drawLine(QPointF(X, Y), QPointF(X, Height));
        Ellipse(S.P, X + 8, Y + R * 2.2, 8, 4, QColor(0x6A, 0x9A, 0x44));
        for (int K = 0; K < 14; ++K) {
            S.P.save();
            S.P.translate(X, Y);
            S.P.rotate(K * 360.0 / 14);
            Ellipse(S.P, 0, -R * 1.1, R * 0.28, R * 0.6, QColor(0xFB, 0xC5, 0x2C));
            S.P.restore();
        }
        Ellipse(S.P, X, Y, R * 0.62, R * 0.62, QColor(0x8A, 0x5A, 0x2E));
    };
    Sunflower(60, 210, 22);
    Sunflower(130, 240, 18);
    Sunflower(200, 220, 20);
    Sunflower(270, 252, 16);
    Sunflower(350, 232, 19);
}

void September(TScene& S) {
    S.Sky(QColor(0xF1, 0xE0, 0xC6), QColor(0xFB, 0xF4, 0xE8));
    S.Sun(300, 72, 30, QColor(0xFF, 0xF1, 0xC4), false);
    S.Hills(205, 18, 1.2, 0.6, QColor(0xE4, 0xD6, 0xBC));
    S.Hills(240, 8, 2.2, 1.0, QColor(0xEC, 0xD4, 0x8C));
    QLinearGradient Field(0, 240, 0, Height);
    Field.setColorAt(0, QColor(0xEC, 0xD0, 0x7E));
    Field.setColorAt(1, QColor(0xE2, 0xBE, 0x5E));
    S.P.fillRect(QRectF(0, 250, S.W, Height - 250), Field);
    for (int I = 0; I < 120; ++I) {
        const double X = S.Rand(0, S.W);
        const double Y = S.Rand(236, 320);
        QPainterPath Ear;
        Ear.moveTo(X, Y + 14);
        Ear.quadTo(X + 1, Y + 4, X + 6, Y);
        Stroke(S.P, Ear, QColor(0xC8, 0x98, 0x3A), 1.4);
        Ellipse(S.P, X + 6, Y, 2.2, 1.4, QColor(0xD8, 0xA8, 0x44));
    }
    for (int I = 0; I < 3; ++I)
        S.Bird(80 + I * 26, 80 + I * 12, 1.0, QColor(0x8A, 0x78, 0x66));
}

void October(TScene& S) {
    S.Sky(QColor(0xF6, 0xE2, 0xCE), QColor(0xFD, 0xF5, 0xEC));
    S.Hills(200, 20, 1.3, 0.3, QColor(0xF1, 0xC8, 0xA4));
    S.Hills(245, 14, 2.0, 1.4, QColor(0xEA, 0xAF, 0x84));
    const QColor Bark(0x7A, 0x52, 0x3C);
    for (const double X : {70.0, 330.0}) {
        S.Branch(QPointF(X, 300), -M_PI / 2, 58, 10, 4, Bark, [&](QPointF Tip) {
            for (int I = 0; I < 3; ++I)
                Ellipse(S.P, Tip.x() + S.Rand(-12, 12), Tip.y() + S.Rand(-10, 10), S.Rand(11, 17),
                        S.Rand(9, 14),
                        I % 2 ? QColor(0xE5, 0x6A, 0x44, 210) : QColor(0xF1, 0x9A, 0x44, 210));
        });
    }
    const QColor Leaves[] = {QColor(0xD9, 0x4A, 0x38), QColor(0xEE, 0x8A, 0x30),
                             QColor(0xE8, 0xB0, 0x3A)};
    for (int I = 0; I < 22; ++I)
        S.MapleLeaf(S.Rand(100, 310), S.Rand(20, 300), S.Rand(6, 10), S.Rand(0, 6.28),
                    Leaves[I % 3]);
    S.Hills(305, 6, 3, 0.5, QColor(0xE0, 0x9C, 0x70));
}

void November(TScene& S) {
    S.Sky(QColor(0xE6, 0xE1, 0xD6), QColor(0xF6, 0xF3, 0xEC));
    S.Hills(220, 16, 1.1, 0.9, QColor(0xDD, 0xD3, 0xC0));
    S.Hills(262, 10, 1.8, 0.2, QColor(0xD4, 0xC2, 0x9E));
    const QColor Bark(0x76, 0x66, 0x58);
    S.Branch(QPointF(90, 300), -M_PI / 2 - 0.05, 62, 9, 5, Bark, nullptr);
    S.Branch(QPointF(320, 290), -M_PI / 2 + 0.08, 48, 7, 5, Bark, nullptr);
    // A skein of geese in a V, flying left.
    for (int Rank = 0; Rank < 4; ++Rank) {
        S.Bird(220 + Rank * 18, 70 - Rank * 10, 1.2, QColor(0x5A, 0x5A, 0x60));
        if (Rank > 0)
            S.Bird(220 + Rank * 18, 70 + Rank * 10, 1.2, QColor(0x5A, 0x5A, 0x60));
    }
    for (int I = 0; I < 12; ++I)
        S.MapleLeaf(S.Rand(40, 380), S.Rand(270, 320), S.Rand(4, 6), S.Rand(0, 6.28),
                    QColor(0xC8, 0x94, 0x5A));
}

void December(TScene& S) {
    S.Sky(QColor(0xD8, 0xE2, 0xF0), QColor(0xF2, 0xF5, 0xFA));
    S.Hills(232, 14, 1.2, 0.5, QColor(0xE6, 0xEC, 0xF5));
    S.Hills(262, 8, 2.0, 1.8, QColor(0xFA, 0xFC, 0xFF));
    Outlined(S.P, Polygon({{260, 262}, {260, 215}, {330, 215}, {330, 262}}),
             QColor(0xC9, 0x7D, 0x5D), QColor(0xA6, 0x62, 0x48), 1);
    Outlined(S.P, Polygon({{250, 218}, {295, 182}, {340, 218}}), QColor(0xFB, 0xFC, 0xFF),
             QColor(0xC8, 0xD2, 0xE0), 1.2);
    S.P.fillRect(QRectF(278, 228, 16, 14), QColor(0xFF, 0xD8, 0x7A));
    S.P.fillRect(QRectF(302, 236, 14, 26), QColor(0x8A, 0x52, 0x3C));
    const QColor Snow(0xFD, 0xFE, 0xFF);
    const QColor Edge(0xB8, 0xC4, 0xD4);
    QPainterPath Body;
    Body.addEllipse(QPointF(120, 262), 34, 30);
    Outlined(S.P, Body, Snow, Edge, 1.2);
    QPainterPath Head;
    Head.addEllipse(QPointF(120, 212), 22, 21);
    Outlined(S.P, Head, Snow, Edge, 1.2);
    S.P.fillRect(QRectF(104, 186, 32, 6), QColor(0x33, 0x33, 0x3A));
    S.P.fillRect(QRectF(110, 166, 20, 22), QColor(0x33, 0x33, 0x3A));
    Ellipse(S.P, 113, 207, 2.4, 2.4, QColor(0x30, 0x30, 0x30));
    Ellipse(S.P, 127, 207, 2.4, 2.4, QColor(0x30, 0x30, 0x30));
    Outlined(S.P, Polygon({{119, 212}, {121, 216}, {136, 216}}), QColor(0xF0, 0x8A, 0x3A),
             QColor(0xF0, 0x8A, 0x3A), 0);
    QPainterPath Scarf;
    Scarf.moveTo(100, 231);
    Scarf.quadTo(120, 240, 140, 231);
    Stroke(S.P, Scarf, QColor(0xD8, 0x3A, 0x3A), 6);
    Stroke(S.P, Polygon({{133, 235}, {138, 254}}), QColor(0xD8, 0x3A, 0x3A), 5);
    for (const double Y : {252.0, 266.0})
        Ellipse(S.P, 120, Y, 2.4, 2.4, QColor(0x50, 0x50, 0x58));
    S.Snowflakes(60, 320);
}

} // namespace

QImage MonthPicture(int Month) {
    const int Width = Month == 6 ? 412 : 410;
    QImage Image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing);
    TScene Scene{Painter, Width, QRandomGenerator(quint32(Month) * 7919u)};
    using Draw = void (*)(TScene&);
    static const Draw Scenes[] = {January, February, March,     April,   May,      June,
                                  July,    August,   September, October, November, December};
    Scenes[Month - 1](Scene);

    // A light wash keeps the day texts readable over the scene.
    Painter.fillRect(Image.rect(), QColor(255, 255, 255, 80));

    QFont Font(QStringLiteral("DejaVu Sans"));
    Font.setBold(true);
    Font.setPixelSize(240);
    QPainterPath Number;
    Number.addText(0, 0, Font, QString::number(Month));
    Number.translate(QRectF(Image.rect()).center() - Number.boundingRect().center() +
                     QPointF(0, 14));
    Painter.setPen(QPen(QColor(255, 255, 255, 150), 3));
    Painter.setBrush(QColor(255, 255, 255, 90));
    Painter.drawPath(Number);
    Painter.end();
    return Image.convertToFormat(QImage::Format_RGB888);
}
