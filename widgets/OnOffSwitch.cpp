#include "widgets/OnOffSwitch.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Deep enough that the white state text reads at 4.5:1 or more on every part of the track.
constexpr QColor OnTrack{0x21, 0x7A, 0x36};
constexpr QColor OffTrack{0x5B, 0x66, 0x70};

} // namespace

TOnOffSwitch::TOnOffSwitch(QWidget* Parent) : QAbstractButton(Parent) {
    setCheckable(true);
    setChecked(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QString TOnOffSwitch::StateText() const {
    return IsOn() ? QStringLiteral("开") : QStringLiteral("关");
}

QColor TOnOffSwitch::TrackColor() const {
    return IsOn() ? OnTrack : OffTrack;
}

void TOnOffSwitch::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);
    const QRectF Track = QRectF(rect()).adjusted(1.5, 3.5, -1.5, -3.5);
    const qreal Radius = Track.height() / 2;

    const QColor Base = TrackColor();
    QLinearGradient Fill(Track.topLeft(), Track.bottomLeft());
    Fill.setColorAt(0.0, Base.darker(108));
    Fill.setColorAt(1.0, Base.lighter(108));
    QPainterPath Body;
    Body.addRoundedRect(Track, Radius, Radius);
    Painter.fillPath(Body, Fill);
    Painter.setPen(QPen(Base.darker(150), 1.0));
    Painter.drawPath(Body);

    // The knob covers the half opposite to the state text.
    const qreal KnobWidth = Track.width() / 2;
    const QRectF Knob(IsOn() ? Track.right() - KnobWidth : Track.left(), Track.top(), KnobWidth,
                      Track.height());
    QLinearGradient KnobFill(Knob.topLeft(), Knob.bottomLeft());
    KnobFill.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    KnobFill.setColorAt(1.0, QColor(0xD8, 0xDC, 0xE0));
    Painter.setPen(QPen(QColor(0x7F, 0x88, 0x90), 1.0));
    Painter.setBrush(KnobFill);
    Painter.drawRoundedRect(Knob, Radius, Radius);

    const QRectF Label(IsOn() ? Track.left() : Track.left() + KnobWidth, Track.top(), KnobWidth,
                       Track.height());
    QFont Bold = font();
    Bold.setBold(true);
    Painter.setFont(Bold);
    Painter.setPen(Qt::white);
    Painter.drawText(Label, Qt::AlignCenter, StateText());

    if (hasFocus()) {
        Painter.setPen(QPen(QColor(0x33, 0x66, 0x99), 1.0, Qt::DotLine));
        Painter.setBrush(Qt::NoBrush);
        Painter.drawRoundedRect(Track.adjusted(-1, -1, 1, 1), Radius + 1, Radius + 1);
    }
}
