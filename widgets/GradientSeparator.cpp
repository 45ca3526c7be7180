#include "widgets/GradientSeparator.h"

#include <QLinearGradient>
#include <QPainter>

TGradientSeparator::TGradientSeparator(QWidget* Parent)
    : QWidget(Parent), FColor(palette().color(QPalette::Button).darker(125)) {
    setFixedHeight(2);
}

void TGradientSeparator::SetColor(const QColor& Color) {
    FColor = Color;
    update();
}

void TGradientSeparator::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    const auto Line = [&](int Y, QColor Middle) {
        QColor Edge = Middle;
        Edge.setAlpha(0);
        QLinearGradient Gradient(0, 0, width(), 0);
        Gradient.setColorAt(0, Edge);
        Gradient.setColorAt(0.25, Middle);
        Gradient.setColorAt(0.75, Middle);
        Gradient.setColorAt(1, Edge);
        Painter.fillRect(QRect(0, Y, width(), 1), Gradient);
    };
    Line(0, FColor);
    Line(1, Qt::white);
}
