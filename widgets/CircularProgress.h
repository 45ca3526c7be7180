#pragma once

// A busy indicator: a ring of segments in which a lit head turns one segment per step
// while the indicator is visible, trailed by lit segments, with a thin inner arc that
// grows with every step of a turn. No background and no border: the parent shows through.

#include <QColor>
#include <QTimer>
#include <QWidget>

class TCircularProgress : public QWidget {
    Q_OBJECT

public:
    static constexpr int Segments = 12;
    static constexpr int TrailLength = 3;

    explicit TCircularProgress(QWidget* Parent = nullptr);

    // The lit segments behind the head.
    QColor ActiveSegmentColor{159, 159, 255};
    // The segments that are not lit.
    QColor InactiveSegmentColor{192, 192, 192};
    // The head, between the lit trail and the unlit segments.
    QColor TransitionSegmentColor{0, 0, 160};
    // The inner arc.
    QColor ProgressSegmentColor{128, 0, 64};

    void SetInterval(int Milliseconds);
    int Interval() const { return FTimer.interval(); }
    // The head's segment, 0 at the top, counting clockwise.
    int Position() const { return FPosition; }
    // One step on; the timer calls it.
    void Step();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;

private:
    QColor SegmentColor(int Segment) const;

    QTimer FTimer;
    int FPosition = 0;
};
