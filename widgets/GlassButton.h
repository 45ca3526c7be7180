#pragma once

// A push button with a glass face: a rounded face in one colour with a glossy upper half,
// lighter under the mouse and darker while pressed. The text is centred on the face.

#include <QAbstractButton>
#include <QColor>

class TGlassButton : public QAbstractButton {
    Q_OBJECT

public:
    // The face starts as #BDC5C9 with white text in Tahoma 8 point.
    explicit TGlassButton(const QString& Caption, QWidget* Parent = nullptr);

    QColor FaceColor() const { return FFaceColor; }
    void SetFaceColor(const QColor& Color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QColor FFaceColor;
};
