#include "notes/windows/NoteCorner.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

std::optional<QPoint> CornerPlace(int Position, QSize Screen, QSize Window) {
    const int Right = Screen.width() - Window.width();
    const int Bottom = Screen.height() - Window.height();
    switch (Position) {
    case 0:
        return QPoint(0, 0);
    case 1:
        return QPoint(0, Bottom);
    case 2:
        return QPoint(Right, 0);
    case 3:
        return QPoint(Right, Bottom);
    default:
        return std::nullopt;
    }
}

void PlaceByCorner(QWidget* Window, int Position) {
    const QScreen* Screen = Window->screen();
    if (Screen == nullptr) {
        Screen = QGuiApplication::primaryScreen();
    }
    if (Screen == nullptr) {
        return;
    }
    const QRect Whole = Screen->geometry();
    if (const std::optional<QPoint> Place = CornerPlace(Position, Whole.size(), Window->size())) {
        Window->move(Whole.topLeft() + *Place);
    }
}
