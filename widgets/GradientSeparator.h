#pragma once

// A horizontal separator line two pixels high: a line in the separator's colour that fades
// out towards both ends, with a white highlight line under it.

#include <QColor>
#include <QWidget>

class TGradientSeparator : public QWidget {
    Q_OBJECT

public:
    // The colour starts as the palette's button face.
    explicit TGradientSeparator(QWidget* Parent = nullptr);

    void SetColor(const QColor& Color);
    QColor Color() const { return FColor; }

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QColor FColor;
};
