#include "widgets/GradientPanel.h"

#include <QBitmap>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

QPainterPath RoundedPath(const QRectF& Area, qreal Radius) {
    QPainterPath Path;
    Path.addRoundedRect(Area, Radius, Radius);
    return Path;
}

} // namespace

TGradientPanel::TGradientPanel(QWidget* Parent) : QWidget(Parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGradientPanel::SetGradient(const QColor& Start, const QColor& End,
                                 Qt::Orientation Direction) {
    FStart = Start;
    FEnd = End;
    FDirection = Direction;
    update();
}

void TGradientPanel::SetOuterFrame(const QColor& Color) {
    FOuterFrame = Color;
    update();
}

void TGradientPanel::SetInnerFrame(const QColor& Color) {
    FInnerFrame = Color;
    update();
}

void TGradientPanel::SetCornerRadius(int Radius) {
    FRadius = std::max(Radius, 0);
    // Rounded corners leave pixels unpainted, so the parent must paint behind the panel.
    setAttribute(Qt::WA_OpaquePaintEvent, FRadius == 0);
    update();
}

QRegion TGradientPanel::Outline() const {
    if (FRadius == 0)
        return QRegion(rect());
    // A pixel belongs to the outline when its centre lies inside the rounded rectangle:
    // the same pixels an aliased fill of the outline covers.
    QBitmap Shape(size());
    Shape.fill(Qt::color0);
    QPainter Painter(&Shape);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Qt::color1);
    Painter.drawPath(RoundedPath(QRectF(rect()), FRadius));
    Painter.end();
    return QRegion(Shape);
}

void TGradientPanel::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    if (FRadius == 0)
        PaintSquare(Painter);
    else
        PaintRounded(Painter);
}

void TGradientPanel::PaintSquare(QPainter& Painter) {
    const QRect Area = rect();
    QLinearGradient Gradient(Area.topLeft(),
                             FDirection == Qt::Vertical ? Area.bottomLeft() : Area.topRight());
    Gradient.setColorAt(0, FStart);
    Gradient.setColorAt(1, FEnd);
    Painter.fillRect(Area, Gradient);

    // Each frame is a one-pixel rectangle; the inner one sits one pixel inside the outer
    // one, or on the edge when there is no outer frame.
    QRect Frame = Area.adjusted(0, 0, -1, -1);
    if (FOuterFrame.isValid()) {
        Painter.setPen(FOuterFrame);
        Painter.drawRect(Frame);
        Frame.adjust(1, 1, -1, -1);
    }
    if (FInnerFrame.isValid()) {
        Painter.setPen(FInnerFrame);
        Painter.drawRect(Frame);
    }
}

void TGradientPanel::PaintRounded(QPainter& Painter) {
    const QRectF Area(rect());
    QLinearGradient Gradient(Area.topLeft(),
                             FDirection == Qt::Vertical ? Area.bottomLeft() : Area.topRight());
    Gradient.setColorAt(0, FStart);
    Gradient.setColorAt(1, FEnd);
    // The fill covers exactly the outline's pixels, each one opaque, so a window cut to the
    // outline has no half-painted pixels whether or not the desktop blends it.
    Painter.setClipRegion(Outline());
    Painter.fillRect(Area, Gradient);

    // One-pixel strokes run along pixel centres, so each frame's outline is its pixel row
    // shrunk by half a pixel; the inner frame follows the outer one a pixel further in,
    // with its radius shrunk by the same pixel so the two stay parallel.
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setBrush(Qt::NoBrush);
    qreal Inset = 0.5;
    if (FOuterFrame.isValid()) {
        Painter.setPen(QPen(FOuterFrame, 1));
        Painter.drawPath(RoundedPath(Area.adjusted(Inset, Inset, -Inset, -Inset), FRadius - Inset));
        Inset += 1;
    }
    if (FInnerFrame.isValid()) {
        Painter.setPen(QPen(FInnerFrame, 1));
        Painter.drawPath(RoundedPath(Area.adjusted(Inset, Inset, -Inset, -Inset),
                                     std::max<qreal>(FRadius - Inset, 0)));
    }
}
