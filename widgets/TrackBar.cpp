#include "widgets/TrackBar.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionSlider>

TTrackBar::TTrackBar(int Minimum, int Maximum, QWidget* Parent) : QSlider(Qt::Horizontal, Parent) {
    setRange(Minimum, Maximum);
    setPageStep(1);
    setSingleStep(1);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
}

void TTrackBar::paintEvent(QPaintEvent*) {
    QStyleOptionSlider Option;
    initStyleOption(&Option);
    const QRect Handle =
        style()->subControlRect(QStyle::CC_Slider, &Option, QStyle::SC_SliderHandle, this);
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);

    // The groove runs between the thumb's centre at the two ends.
    const int Half = Handle.width() / 2;
    const qreal GrooveY = Handle.center().y() - 2;
    const QRectF Groove(Half, GrooveY, width() - 2 * Half, 4);
    Painter.setPen(QPen(QColor(0x7D, 0x8A, 0x96), 1.0));
    Painter.setBrush(QColor(0xE4, 0xE9, 0xEE));
    Painter.drawRoundedRect(Groove, 2, 2);

    const int Steps = maximum() - minimum();
    Painter.setPen(QPen(QColor(0x5A, 0x66, 0x70), 1.0));
    for (int Step = 0; Step <= Steps && Steps > 0; ++Step) {
        const qreal X = Half + (width() - 2.0 * Half) * Step / Steps;
        Painter.drawLine(QPointF(X, height() - 4), QPointF(X, height() - 1));
    }

    const QRectF Thumb = QRectF(Handle).adjusted(1.5, 1.5, -1.5, -4.5);
    QLinearGradient Fill(Thumb.topLeft(), Thumb.bottomLeft());
    const QColor Face = isSliderDown() ? QColor(0x9C, 0xC6, 0xEA) : QColor(0xC9, 0xE2, 0xF7);
    Fill.setColorAt(0.0, Qt::white);
    Fill.setColorAt(0.5, Face);
    Fill.setColorAt(1.0, Face.darker(110));
    Painter.setPen(QPen(QColor(0x3C, 0x7F, 0xB1), 1.0));
    Painter.setBrush(Fill);
    Painter.drawRoundedRect(Thumb, 2, 2);
    if (hasFocus()) {
        Painter.setPen(QPen(QColor(0x3C, 0x7F, 0xB1), 1.0, Qt::DotLine));
        Painter.setBrush(Qt::NoBrush);
        Painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}
