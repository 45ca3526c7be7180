#pragma once

// An anti-aliased label whose text is filled with a vertical gradient, centred in its box,
// with no background of its own.

#include <QColor>
#include <QWidget>

class TGradientDigitLabel : public QWidget {
    Q_OBJECT

public:
    explicit TGradientDigitLabel(QWidget* Parent = nullptr);

    void SetText(const QString& Text);
    QString Text() const { return FText; }
    // The fill runs from Top at the top of the glyphs to Bottom at their foot.
    void SetGradient(const QColor& Top, const QColor& Bottom);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QString FText;
    QColor FTop{Qt::black};
    QColor FBottom{Qt::black};
};
