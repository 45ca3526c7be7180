#pragma once

// A number spinner: the value between a minus button on the left and a plus button on the
// right. A held button steps once, again after 400 ms and then every 100 ms. Keys: up and
// right +1, down and left -1, keypad plus and minus +1 and -1, Page Up and Page Down +10
// and -10. The wheel steps by 1, by 10 while Ctrl is held. Digits typed replace the value
// shown; the number typed is taken (within the range) by Enter, by leaving the spinner, or as
// soon as no further digit could keep it in the range; Backspace takes back a digit and
// Escape the whole entry. The value never leaves its range; Change is emitted once for every
// real change and never for a step against a limit.

#include <QPixmap>
#include <QTimer>
#include <QWidget>

class TSpinner : public QWidget {
    Q_OBJECT

public:
    static constexpr int FirstRepeatMs = 400;
    static constexpr int RepeatMs = 100;

    explicit TSpinner(QWidget* Parent = nullptr);

    void SetRange(int Min, int Max);
    int Min() const { return FMin; }
    int Max() const { return FMax; }

    int Value() const { return FValue; }
    // Clamps to the range; emits Change when the value differs from before.
    void SetValue(int Value);
    // Moves by Delta within the range.
    void Step(int Delta);

    // The pictures of the two buttons.
    void SetGlyphs(const QPixmap& Minus, const QPixmap& Plus);

    // The digits typed and not yet taken; empty while none are.
    QString Typed() const { return FTyped; }

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    QRect MinusRect() const;
    QRect PlusRect() const;
    void RepeatStep();
    // Takes a typed digit; false for any other key.
    bool TypeKey(const QKeyEvent* Event);
    void TakeTyped();

    int FMin = 0;
    int FMax = 100;
    int FValue = 0;
    int FHeldDelta = 0;
    QTimer FRepeat;
    QPixmap FMinusGlyph;
    QPixmap FPlusGlyph;
    QString FTyped;
};
