#pragma once

// A small drop-down button: a face with a down arrow; a click drops its menu down under it.
// It takes the focus (a dotted frame shows it); Space, Enter, Down or F4 drop the menu too.

#include <QAbstractButton>

class QMenu;

class TMenuButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TMenuButton(QWidget* Parent = nullptr);

    void SetMenu(QMenu* Menu) { FMenu = Menu; }
    QMenu* Menu() const { return FMenu; }
    // Opens the menu with its top-left corner at the button's bottom-left corner.
    void DropDown();

    QSize sizeHint() const override { return QSize(15, 19); }

protected:
    void paintEvent(QPaintEvent* Event) override;
    void enterEvent(QEnterEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    QMenu* FMenu = nullptr;
    bool FHot = false;
};
