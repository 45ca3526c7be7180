#pragma once

// Small drawing helpers shared by the picture generators.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

inline void Ellipse(QPainter& P, double Cx, double Cy, double Rx, double Ry, const QColor& Fill) {
    P.setPen(Qt::NoPen);
    P.setBrush(Fill);
    P.drawEllipse(QPointF(Cx, Cy), Rx, Ry);
}

inline void Outlined(QPainter& P, const QPainterPath& Path, const QColor& Fill, const QColor& Line,
                     double Width) {
    P.setPen(Width > 0 ? QPen(Line, Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                       : QPen(Qt::NoPen));
    P.setBrush(Fill);
    P.drawPath(Path);
}

inline void Stroke(QPainter& P, const QPainterPath& Path, const QColor& Line, double Width) {
    P.setPen(QPen(Line, Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Path);
}

inline QPainterPath Polygon(std::initializer_list<QPointF> Points) {
    QPainterPath Path;
    bool First = true;
    for (const QPointF& Point : Points) {
        if (First)
            Path.moveTo(Point);
        else
            Path.lineTo(Point);
        First = false;
    }
    Path.closeSubpath();
    return Path;
}

QImage MonthPicture(int Month);
QImage ZodiacPicture(int Index);
QImage MenuPicture(const QString& Name);
