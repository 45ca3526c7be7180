#pragma once

// The corner rule for today's notes popup: position 0 top left, 1 bottom left, 2 top right,
// 3 bottom right of the whole screen (the task bar not taken into account).

#include <QPoint>
#include <QSize>

#include <optional>

class QWidget;

// The top-left point for a window of the given size; nothing for a position outside 0..3.
std::optional<QPoint> CornerPlace(int Position, QSize Screen, QSize Window);

// Moves the window into the corner on its screen; any other position leaves it where it is.
void PlaceByCorner(QWidget* Window, int Position);
