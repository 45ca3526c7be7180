#include "widgets/Spinner.h"

#include "widgets/AccessibleControls.h"
#include "widgets/WindowLook.h"

#include <QAccessible>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr QColor PressedFace{0xDD, 0xE6, 0xF0};
constexpr int ButtonWidth = 15;

} // namespace

TSpinner::TSpinner(QWidget* Parent) : QWidget(Parent) {
    setFocusPolicy(Qt::StrongFocus);
    InstallControlAccessibility();
    connect(&FRepeat, &QTimer::timeout, this, &TSpinner::RepeatStep);
}

void TSpinner::SetRange(int Min, int Max) {
    FMin = Min;
    FMax = std::max(Min, Max);
    SetValue(FValue);
}

void TSpinner::SetValue(int Value) {
    const int Clamped = std::clamp(Value, FMin, FMax);
    if (Clamped == FValue)
        return;
    FValue = Clamped;
    update();
    QAccessibleValueChangeEvent Changed(this, FValue);
    QAccessible::updateAccessibility(&Changed);
    emit Change();
}

void TSpinner::Step(int Delta) {
    SetValue(FValue + Delta);
}

void TSpinner::SetGlyphs(const QPixmap& Minus, const QPixmap& Plus) {
    FMinusGlyph = Minus;
    FPlusGlyph = Plus;
    update();
}

QRect TSpinner::MinusRect() const {
    return QRect(0, 0, ButtonWidth, height());
}

QRect TSpinner::PlusRect() const {
    return QRect(width() - ButtonWidth, 0, ButtonWidth, height());
}

void TSpinner::RepeatStep() {
    FRepeat.setInterval(RepeatMs);
    Step(FHeldDelta);
}

void TSpinner::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    Painter.fillRect(rect(), Qt::white);

    const auto DrawButton = [&](const QRect& Area, const QPixmap& Glyph, int Delta) {
        const bool Held = FHeldDelta == Delta && FRepeat.isActive();
        Painter.fillRect(Area.adjusted(1, 1, -1, -1), Held ? PressedFace : QColor(Qt::white));
        Painter.setPen(PanelFrame);
        Painter.drawRect(Area.adjusted(0, 0, -1, -1));
        if (!Glyph.isNull()) {
            const QSize Size = Glyph.deviceIndependentSize().toSize();
            const QPoint TopLeft(Area.left() + (Area.width() - Size.width()) / 2,
                                 Area.top() + (Area.height() - Size.height()) / 2);
            Painter.drawPixmap(TopLeft, Glyph);
        }
    };
    DrawButton(MinusRect(), FMinusGlyph, -1);
    DrawButton(PlusRect(), FPlusGlyph, +1);

    const QRect Field(MinusRect().right() + 1, 0, PlusRect().left() - MinusRect().right() - 1,
                      height());
    Painter.setPen(PanelFrame);
    Painter.drawLine(Field.left(), 0, Field.right(), 0);
    Painter.drawLine(Field.left(), height() - 1, Field.right(), height() - 1);
    Painter.setPen(palette().color(QPalette::WindowText));
    Painter.setFont(font());
    Painter.drawText(Field, Qt::AlignCenter, FTyped.isEmpty() ? QString::number(FValue) : FTyped);
    if (hasFocus()) {
        Painter.setPen(QPen(PanelFrame, 1, Qt::DotLine));
        Painter.drawRect(Field.adjusted(1, 2, -2, -3));
    }
}

void TSpinner::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(Event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPoint At = Event->position().toPoint();
    FHeldDelta = MinusRect().contains(At) ? -1 : PlusRect().contains(At) ? +1 : 0;
    if (FHeldDelta == 0)
        return;
    FRepeat.start(FirstRepeatMs);
    Step(FHeldDelta);
    update();
}

void TSpinner::mouseReleaseEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(Event);
        return;
    }
    FRepeat.stop();
    FHeldDelta = 0;
    update();
}

bool TSpinner::TypeKey(const QKeyEvent* Event) {
    const QString Text = Event->text();
    if (Text.size() == 1 && Text[0].isDigit() && Text[0].unicode() < 128) {
        FTyped += Text;
        // Once another digit could only overshoot the range, the number is complete.
        if (FTyped.toInt() * 10 > FMax)
            TakeTyped();
        update();
        return true;
    }
    if (FTyped.isEmpty())
        return false;
    switch (Event->key()) {
    case Qt::Key_Backspace:
        FTyped.chop(1);
        break;
    case Qt::Key_Escape:
        FTyped.clear();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        TakeTyped();
        break;
    default:
        return false;
    }
    update();
    return true;
}

void TSpinner::TakeTyped() {
    const QString Typed = FTyped;
    FTyped.clear();
    update();
    if (!Typed.isEmpty())
        SetValue(Typed.toInt());
}

void TSpinner::focusOutEvent(QFocusEvent* Event) {
    TakeTyped();
    QWidget::focusOutEvent(Event);
}

void TSpinner::keyPressEvent(QKeyEvent* Event) {
    if (TypeKey(Event)) {
        Event->accept();
        return;
    }
    // A step starts from the value, not from digits half typed.
    FTyped.clear();
    const bool Keypad = Event->modifiers().testFlag(Qt::KeypadModifier);
    switch (Event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        Step(+1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        Step(-1);
        break;
    case Qt::Key_PageUp:
        Step(+10);
        break;
    case Qt::Key_PageDown:
        Step(-10);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        if (!Keypad) {
            QWidget::keyPressEvent(Event);
            return;
        }
        Step(Event->key() == Qt::Key_Plus ? +1 : -1);
        break;
    default:
        QWidget::keyPressEvent(Event);
        return;
    }
    Event->accept();
}

void TSpinner::wheelEvent(QWheelEvent* Event) {
    const int Notches = Event->angleDelta().y();
    if (Notches == 0) {
        Event->ignore();
        return;
    }
    const int Size = Event->modifiers().testFlag(Qt::ControlModifier) ? 10 : 1;
    Step(Notches > 0 ? Size : -Size);
    Event->accept();
}
