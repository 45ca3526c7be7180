#pragma once

// A panel filled with a linear gradient, with an optional one-pixel outer frame and an
// optional one-pixel inner frame just inside it. Its corners are square or rounded. Other
// controls are placed on it as children.

#include <QColor>
#include <QRegion>
#include <QWidget>

class TGradientPanel : public QWidget {
    Q_OBJECT

public:
    explicit TGradientPanel(QWidget* Parent = nullptr);

    // Vertical gradients run top to bottom, horizontal ones left to right.
    void SetGradient(const QColor& Start, const QColor& End,
                     Qt::Orientation Direction = Qt::Vertical);
    // An invalid colour leaves that frame out.
    void SetOuterFrame(const QColor& Color);
    void SetInnerFrame(const QColor& Color);
    // The radius of the corners in pixels; 0, the default, gives square corners. Outside a
    // rounded outline the panel paints nothing, so what lies behind it shows there.
    void SetCornerRadius(int Radius);

    QColor GradientStart() const { return FStart; }
    QColor GradientEnd() const { return FEnd; }
    QColor OuterFrame() const { return FOuterFrame; }
    QColor InnerFrame() const { return FInnerFrame; }
    int CornerRadius() const { return FRadius; }

    // The pixels inside the panel's outline in its own coordinates: the whole rectangle for
    // square corners. A borderless window cuts itself to this to take the panel's shape.
    QRegion Outline() const;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    void PaintSquare(QPainter& Painter);
    void PaintRounded(QPainter& Painter);

    QColor FStart{Qt::white};
    QColor FEnd{Qt::white};
    Qt::Orientation FDirection = Qt::Vertical;
    QColor FOuterFrame;
    QColor FInnerFrame;
    int FRadius = 0;
};
