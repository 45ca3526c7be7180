#pragma once

// A sliding switch with the two states "On" and "Off". A click turns it over.

#include <QAbstractButton>

class TOnOffSwitch : public QAbstractButton {
    Q_OBJECT

public:
    // The switch starts "On".
    explicit TOnOffSwitch(QWidget* Parent = nullptr);

    bool IsOn() const { return isChecked(); }
    void SetOn(bool On) { setChecked(On); }
    // "On" or "Off".
    QString StateText() const;

    QSize sizeHint() const override { return {81, 30}; }

protected:
    void paintEvent(QPaintEvent* Event) override;
};
