#pragma once

// Gives a top-level window the shape of a picture: the component shows the picture in the
// window's top-left corner, removes the window's frame, cuts the window to the picture's
// opaque area and lets the user drag the window by pressing the mouse on the picture.

#include <QPixmap>
#include <QPoint>
#include <QWidget>

class TFormShape : public QWidget {
    Q_OBJECT

public:
    TFormShape(const QPixmap& Picture, QWidget* Window);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    QPixmap FPicture;
    bool FDragging = false;
    QPoint FGrip;
};
