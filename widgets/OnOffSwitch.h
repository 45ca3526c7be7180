#pragma once

// A sliding switch with the two states "开" (on) and "关" (off), the state written in white on
// the coloured half of the track. A click or Space turns it over.

#include <QAbstractButton>

class TOnOffSwitch : public QAbstractButton {
    Q_OBJECT

public:
    // The switch starts on.
    explicit TOnOffSwitch(QWidget* Parent = nullptr);

    bool IsOn() const { return isChecked(); }
    void SetOn(bool On) { setChecked(On); }
    // "开" or "关".
    QString StateText() const;
    // The track's colour in the current state, before its gradient.
    QColor TrackColor() const;

    QSize sizeHint() const override { return {81, 30}; }

protected:
    void paintEvent(QPaintEvent* Event) override;
};
