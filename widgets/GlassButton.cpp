#include "widgets/GlassButton.h"

#include "widgets/WindowFonts.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal CornerRadius = 4.0;
// Dark slate ink: at least 4.5:1 against every colour of the face, pressed and disabled too.
constexpr QColor Ink{0x14, 0x1E, 0x28};
constexpr QColor DisabledInk{0x2E, 0x38, 0x42};

// How much lighter or darker each state's face is than the button's face colour.
constexpr int HotLighter = 108;
constexpr int DisabledLighter = 112;
constexpr int PressedDarker = 110;

// The face's gradient: positions and how much darker (above 100) or lighter (below) each
// stop is. The break at the middle gives the glass its edge; the lower half stays light
// enough for the ink.
struct TStop {
    qreal At;
    int Darker;
};
constexpr TStop Stops[] = {{0.0, 96}, {0.5, 106}, {0.51, 118}, {1.0, 110}};

QColor Shade(const QColor& Face, int Darker) {
    return Darker < 100 ? Face.lighter(100 * 100 / Darker) : Face.darker(Darker);
}

bool IsEnterKey(const QKeyEvent* Key) {
    return (Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter) &&
           (Key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

TGlassButton::TGlassButton(const QString& Caption, QWidget* Parent)
    : QAbstractButton(Parent), FFaceColor(0xBD, 0xC5, 0xC9) {
    setText(Caption);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    setFont(SansFont(12, true));
}

void TGlassButton::SetFaceColor(const QColor& Color) {
    FFaceColor = Color;
    update();
}

void TGlassButton::SetDefault(bool Default) {
    if (Default == FDefault)
        return;
    FDefault = Default;
    if (Default)
        window()->installEventFilter(this);
    else
        window()->removeEventFilter(this);
    update();
}

QColor TGlassButton::StateFace() const {
    if (!isEnabled())
        return FFaceColor.lighter(DisabledLighter);
    if (isDown() || isChecked())
        return FFaceColor.darker(PressedDarker);
    if (underMouse())
        return FFaceColor.lighter(HotLighter);
    return FFaceColor;
}

QColor TGlassButton::TextColor() const {
    return isEnabled() ? Ink : DisabledInk;
}

QSize TGlassButton::sizeHint() const {
    const QSize Text = fontMetrics().size(Qt::TextSingleLine, text());
    return {qMax(81, Text.width() + 20), qMax(28, Text.height() + 10)};
}

void TGlassButton::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);

    const QColor Face = StateFace();
    const QRectF Outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath Body;
    Body.addRoundedRect(Outer, CornerRadius, CornerRadius);

    QLinearGradient Fill(Outer.topLeft(), Outer.bottomLeft());
    for (const TStop& Stop : Stops)
        Fill.setColorAt(Stop.At, Shade(Face, Stop.Darker));
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

    Painter.setPen(QPen(FDefault ? Face.darker(260) : Face.darker(160), FDefault ? 1.6 : 1.0));
    Painter.drawPath(Body);
    Painter.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    Painter.drawRoundedRect(Outer.adjusted(1, 1, -1, -1), CornerRadius - 1, CornerRadius - 1);

    const QRect TextArea = rect().translated(isDown() ? 1 : 0, isDown() ? 1 : 0);
    Painter.setFont(font());
    Painter.setPen(TextColor());
    Painter.drawText(TextArea, Qt::AlignCenter, text());

    if (hasFocus()) {
        Painter.setPen(QPen(Ink, 1.0, Qt::DotLine));
        Painter.setBrush(Qt::NoBrush);
        Painter.drawRoundedRect(Outer.adjusted(3, 3, -3, -3), 2, 2);
    }
}

void TGlassButton::keyPressEvent(QKeyEvent* Event) {
    if (IsEnterKey(Event) && !Event->isAutoRepeat()) {
        animateClick();
        Event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(Event);
}

bool TGlassButton::eventFilter(QObject* Watched, QEvent* Event) {
    // Enter that reached the window unused: the focused control did nothing with it.
    if (FDefault && Watched == window() && Event->type() == QEvent::KeyPress &&
        IsEnterKey(static_cast<QKeyEvent*>(Event)) && isEnabled() && isVisible()) {
        animateClick();
        return true;
    }
    return QAbstractButton::eventFilter(Watched, Event);
}
