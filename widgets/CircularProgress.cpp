#include "widgets/CircularProgress.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int DefaultIntervalMs = 100;
constexpr double SegmentSpan = 360.0 / TCircularProgress::Segments;
constexpr double SegmentGap = 6.0;

} // namespace

TCircularProgress::TCircularProgress(QWidget* Parent) : QWidget(Parent) {
    FTimer.setInterval(DefaultIntervalMs);
    connect(&FTimer, &QTimer::timeout, this, &TCircularProgress::Step);
}

void TCircularProgress::SetInterval(int Milliseconds) {
    FTimer.setInterval(Milliseconds);
}

void TCircularProgress::Step() {
    FPosition = (FPosition + 1) % Segments;
    update();
}

void TCircularProgress::showEvent(QShowEvent* Event) {
    FTimer.start();
    QWidget::showEvent(Event);
}

void TCircularProgress::hideEvent(QHideEvent* Event) {
    FTimer.stop();
    QWidget::hideEvent(Event);
}

QColor TCircularProgress::SegmentColor(int Segment) const {
    const int Behind = (FPosition - Segment + Segments) % Segments;
    if (Behind == 0) {
        return TransitionSegmentColor;
    }
    return Behind <= TrailLength ? ActiveSegmentColor : InactiveSegmentColor;
}

void TCircularProgress::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);
    const double Side = std::min(width(), height());
    const QPointF Centre(width() / 2.0, height() / 2.0);
    const double Outer = Side / 2.0 - 1.0;
    const double Inner = Outer * 0.62;
    const QRectF OuterBox(Centre.x() - Outer, Centre.y() - Outer, 2 * Outer, 2 * Outer);
    const QRectF InnerBox(Centre.x() - Inner, Centre.y() - Inner, 2 * Inner, 2 * Inner);

    Painter.setPen(Qt::NoPen);
    for (int Segment = 0; Segment < Segments; ++Segment) {
        // Qt's angles run counter-clockwise from three o'clock; segment 0 is centred at
        // twelve o'clock and the segments follow clockwise.
        const double Start = 90.0 - Segment * SegmentSpan + SegmentSpan / 2.0 - SegmentGap / 2.0;
        const double Sweep = -(SegmentSpan - SegmentGap);
        QPainterPath Path;
        Path.arcMoveTo(OuterBox, Start);
        Path.arcTo(OuterBox, Start, Sweep);
        Path.arcTo(InnerBox, Start + Sweep, -Sweep);
        Path.closeSubpath();
        Painter.setBrush(SegmentColor(Segment));
        Painter.drawPath(Path);
    }

    const double Arc = Inner - 4.0;
    QPen ArcPen(ProgressSegmentColor, 2.0, Qt::SolidLine, Qt::RoundCap);
    Painter.setPen(ArcPen);
    Painter.setBrush(Qt::NoBrush);
    const QRectF ArcBox(Centre.x() - Arc, Centre.y() - Arc, 2 * Arc, 2 * Arc);
    const int Steps = FPosition + 1;
    Painter.drawArc(ArcBox, 90 * 16, -static_cast<int>(Steps * SegmentSpan * 16));
}
