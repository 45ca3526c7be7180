#pragma once

// A panel filled with a linear gradient, with an optional one-pixel outer frame and an
// optional one-pixel inner frame just inside it. Other controls are placed on it as
// children.

#include <QColor>
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

    QColor GradientStart() const { return FStart; }
    QColor GradientEnd() const { return FEnd; }
    QColor OuterFrame() const { return FOuterFrame; }
    QColor InnerFrame() const { return FInnerFrame; }

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QColor FStart{Qt::white};
    QColor FEnd{Qt::white};
    Qt::Orientation FDirection = Qt::Vertical;
    QColor FOuterFrame;
    QColor FInnerFrame;
};
