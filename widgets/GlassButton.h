#pragma once

// A push button with a glass face: a rounded face in one colour with a glossy upper half,
// lighter under the mouse and darker while pressed. The text is centred on the face in a dark
// ink that reads on every part of the face in every state. It takes the focus, shows it with
// a dotted frame, and Enter or Space on the focused button presses it. The dialog's default
// button is also pressed by Enter anywhere in its window where the focused control leaves
// the key unused, and wears a darker rim.

#include <QAbstractButton>
#include <QColor>

class TGlassButton : public QAbstractButton {
    Q_OBJECT

public:
    // The face starts as #BDC5C9.
    explicit TGlassButton(const QString& Caption, QWidget* Parent = nullptr);

    QColor FaceColor() const { return FFaceColor; }
    void SetFaceColor(const QColor& Color);

    bool IsDefault() const { return FDefault; }
    void SetDefault(bool Default);

    // The face's colour in the current state, before its gradient and gloss.
    QColor StateFace() const;
    // The ink of the text in the current state.
    QColor TextColor() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    QColor FFaceColor;
    bool FDefault = false;
};
