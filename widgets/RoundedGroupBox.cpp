#include "widgets/RoundedGroupBox.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal CornerRadius = 6.0;
constexpr int TitleIndent = 10;
constexpr int TitlePadding = 3;

} // namespace

TRoundedGroupBox::TRoundedGroupBox(const QString& Caption, QWidget* Parent)
    : QWidget(Parent), FCaption(Caption) {}

void TRoundedGroupBox::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics Metrics = fontMetrics();
    const qreal EdgeTop = Metrics.height() / 2.0;
    const QRectF Frame = QRectF(rect()).adjusted(0.5, EdgeTop, -0.5, -0.5);

    QPainterPath Edge;
    Edge.addRoundedRect(Frame, CornerRadius, CornerRadius);
    Painter.fillPath(Edge, QColor(255, 255, 255, 70));

    // The title interrupts the top edge: the edge is drawn outside the title's band only.
    const int TitleWidth = FCaption.isEmpty() ? 0 : Metrics.horizontalAdvance(FCaption);
    const QRect TitleBand(TitleIndent - TitlePadding, 0, TitleWidth + 2 * TitlePadding,
                          Metrics.height());
    Painter.save();
    QRegion Outside(rect());
    if (TitleWidth > 0) {
        Outside -= QRegion(TitleBand);
    }
    Painter.setClipRegion(Outside);
    Painter.setPen(QPen(QColor(0x8E, 0xA4, 0xB8), 1.0));
    Painter.drawPath(Edge);
    Painter.restore();

    if (TitleWidth > 0) {
        Painter.setPen(palette().color(QPalette::WindowText));
        Painter.drawText(QRect(TitleIndent, 0, TitleWidth, Metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, FCaption);
    }
}
