#pragma once

// A horizontal slider with a sunken rounded groove, a tick for every step and a glass thumb.
// It shows no hint while dragged. A dotted frame shows the focus; the arrow keys move the thumb.

#include <QSlider>

class TTrackBar : public QSlider {
    Q_OBJECT

public:
    TTrackBar(int Minimum, int Maximum, QWidget* Parent = nullptr);

protected:
    void paintEvent(QPaintEvent* Event) override;
};
