#include "widgets/GradientPanel.h"

#include <QLinearGradient>
#include <QPainter>

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

void TGradientPanel::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
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
