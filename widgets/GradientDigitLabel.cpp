#include "widgets/GradientDigitLabel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

TGradientDigitLabel::TGradientDigitLabel(QWidget* Parent) : QWidget(Parent) {}

void TGradientDigitLabel::SetText(const QString& Text) {
    if (Text == FText)
        return;
    FText = Text;
    update();
}

void TGradientDigitLabel::SetGradient(const QColor& Top, const QColor& Bottom) {
    FTop = Top;
    FBottom = Bottom;
    update();
}

void TGradientDigitLabel::paintEvent(QPaintEvent*) {
    if (FText.isEmpty())
        return;
    QPainterPath Glyphs;
    Glyphs.addText(0, 0, font(), FText);
    const QRectF Bounds = Glyphs.boundingRect();
    Glyphs.translate(QRectF(rect()).center() - Bounds.center());
    const QRectF Placed = Glyphs.boundingRect();

    QLinearGradient Fill(Placed.topLeft(), Placed.bottomLeft());
    Fill.setColorAt(0, FTop);
    Fill.setColorAt(1, FBottom);
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.fillPath(Glyphs, Fill);
}
