#include "widgets/ClockLabel.h"

#include <QPainter>

#include <utility>

TClockLabel::TClockLabel(QWidget* Parent) : QWidget(Parent) {
    FTimer.setInterval(ReadIntervalMs);
    connect(&FTimer, &QTimer::timeout, this, &TClockLabel::Refresh);
}

void TClockLabel::SetTextSource(std::function<QString()> Source) {
    FSource = std::move(Source);
    Refresh();
    FTimer.start();
}

bool TClockLabel::Refresh() {
    if (!FSource)
        return false;
    QString Text = FSource();
    if (Text == FText)
        return false;
    FText = std::move(Text);
    if (const int Width = sizeHint().width(); Width != width())
        resize(Width, height());
    update();
    return true;
}

QSize TClockLabel::sizeHint() const {
    const QFontMetrics Metrics(font());
    return QSize(Metrics.horizontalAdvance(FText) + 2, Metrics.height());
}

void TClockLabel::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::TextAntialiasing);
    Painter.setPen(palette().color(QPalette::WindowText));
    Painter.setFont(font());
    Painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, FText);
}
