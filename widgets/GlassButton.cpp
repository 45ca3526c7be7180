#include "widgets/GlassButton.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal CornerRadius = 4.0;

} // namespace

TGlassButton::TGlassButton(const QString& Caption, QWidget* Parent)
    : QAbstractButton(Parent), FFaceColor(0xBD, 0xC5, 0xC9) {
    setText(Caption);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    QFont Face(QStringLiteral("Tahoma"));
    Face.setPointSize(8);
    setFont(Face);
    QPalette Colours = palette();
    Colours.setColor(QPalette::ButtonText, Qt::white);
    setPalette(Colours);
}

void TGlassButton::SetFaceColor(const QColor& Color) {
    FFaceColor = Color;
    update();
}

QSize TGlassButton::sizeHint() const {
    const QSize Text = fontMetrics().size(Qt::TextSingleLine, text());
    return {qMax(81, Text.width() + 20), qMax(28, Text.height() + 10)};
}

void TGlassButton::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);

    QColor Face = FFaceColor;
    if (!isEnabled()) {
        Face = Face.lighter(115);
    } else if (isDown() || isChecked()) {
        Face = Face.darker(125);
    } else if (underMouse()) {
        Face = Face.lighter(110);
    }

    const QRectF Outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath Body;
    Body.addRoundedRect(Outer, CornerRadius, CornerRadius);

    QLinearGradient Fill(Outer.topLeft(), Outer.bottomLeft());
    Fill.setColorAt(0.0, Face.lighter(104));
    Fill.setColorAt(0.5, Face.darker(112));
    Fill.setColorAt(0.51, Face.darker(140));
    Fill.setColorAt(1.0, Face.darker(118));
    Painter.fillPath(Body, Fill);

    // The gloss: a white sheen over the upper half that fades towards the middle.
    const QRectF Upper(Outer.left() + 1, Outer.top() + 1, Outer.width() - 2,
                       Outer.height() / 2 - 1);
    QPainterPath Gloss;
    Gloss.addRoundedRect(Upper, CornerRadius - 1, CornerRadius - 1);
    QLinearGradient Sheen(Upper.topLeft(), Upper.bottomLeft());
    Sheen.setColorAt(0.0, QColor(255, 255, 255, 130));
    Sheen.setColorAt(1.0, QColor(255, 255, 255, 25));
    Painter.fillPath(Gloss, Sheen);

    Painter.setPen(QPen(Face.darker(160), 1.0));
    Painter.drawPath(Body);
    Painter.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    Painter.drawRoundedRect(Outer.adjusted(1, 1, -1, -1), CornerRadius - 1, CornerRadius - 1);

    // White text with a faint dark shadow so it reads on the light face.
    const QRect TextArea = rect().translated(isDown() ? 1 : 0, isDown() ? 1 : 0);
    Painter.setFont(font());
    Painter.setPen(QColor(0x20, 0x2A, 0x33, 170));
    Painter.drawText(TextArea.translated(1, 1), Qt::AlignCenter, text());
    Painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(240, 240, 240));
    Painter.drawText(TextArea, Qt::AlignCenter, text());

    if (hasFocus()) {
        Painter.setPen(QPen(QColor(255, 255, 255, 200), 1.0, Qt::DotLine));
        Painter.setBrush(Qt::NoBrush);
        Painter.drawRoundedRect(Outer.adjusted(3, 3, -3, -3), 2, 2);
    }
}
