#include "widgets/MenuButton.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

TMenuButton::TMenuButton(QWidget* Parent) : QAbstractButton(Parent) {
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, &TMenuButton::DropDown);
}

void TMenuButton::DropDown() {
    if (FMenu)
        FMenu->popup(mapToGlobal(rect().bottomLeft() + QPoint(0, 1)));
}

void TMenuButton::enterEvent(QEnterEvent* Event) {
    FHot = true;
    update();
    QAbstractButton::enterEvent(Event);
}

void TMenuButton::leaveEvent(QEvent* Event) {
    FHot = false;
    update();
    QAbstractButton::leaveEvent(Event);
}

void TMenuButton::keyPressEvent(QKeyEvent* Event) {
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
    case Qt::Key_F4:
        DropDown();
        Event->accept();
        return;
    default:
        QAbstractButton::keyPressEvent(Event);
    }
}

void TMenuButton::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);
    const QRectF Face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (FHot || isDown()) {
        QLinearGradient Fill(Face.topLeft(), Face.bottomLeft());
        Fill.setColorAt(0, isDown() ? QColor(0xE8, 0xB0, 0x4A) : QColor(0xFF, 0xF4, 0xD8));
        Fill.setColorAt(1, isDown() ? QColor(0xF1, 0xC1, 0x5E) : QColor(0xF8, 0xD8, 0x8C));
        Painter.setPen(QColor(0xC2, 0x9B, 0x4E));
        Painter.setBrush(Fill);
        Painter.drawRoundedRect(Face, 2, 2);
    }
    const QPointF Centre = Face.center() + QPointF(0, 1);
    QPainterPath Arrow;
    Arrow.moveTo(Centre.x() - 3.5, Centre.y() - 2);
    Arrow.lineTo(Centre.x() + 3.5, Centre.y() - 2);
    Arrow.lineTo(Centre.x(), Centre.y() + 2);
    Arrow.closeSubpath();
    Painter.fillPath(Arrow, QColor(0x3B, 0x4A, 0x5C));
    if (hasFocus()) {
        Painter.setPen(QPen(QColor(0x3B, 0x4A, 0x5C), 1.0, Qt::DotLine));
        Painter.setBrush(Qt::NoBrush);
        Painter.drawRoundedRect(Face, 2, 2);
    }
}
