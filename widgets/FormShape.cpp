#include "widgets/FormShape.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

TFormShape::TFormShape(const QPixmap& Picture, QWidget* Window)
    : QWidget(Window), FPicture(Picture) {
    setGeometry(0, 0, FPicture.width(), FPicture.height());
    Window->setWindowFlag(Qt::FramelessWindowHint, true);
    Window->setMask(FPicture.mask().isNull() ? QRegion(rect()) : QRegion(FPicture.mask()));
    lower();
}

void TFormShape::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    Painter.drawPixmap(0, 0, FPicture);
}

void TFormShape::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(Event);
        return;
    }
    FDragging = true;
    FGrip = Event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
    Event->accept();
}

void TFormShape::mouseMoveEvent(QMouseEvent* Event) {
    if (!FDragging) {
        QWidget::mouseMoveEvent(Event);
        return;
    }
    window()->move(Event->globalPosition().toPoint() - FGrip);
    Event->accept();
}

void TFormShape::mouseReleaseEvent(QMouseEvent* Event) {
    FDragging = false;
    QWidget::mouseReleaseEvent(Event);
}
