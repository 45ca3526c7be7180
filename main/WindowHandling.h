#pragma once

// The arithmetic of the borderless window: dragging it by its day panel and stepping its
// opacity with the X and Z keys.

#include <QPoint>

inline constexpr int MostTransparentAlpha = 125;
inline constexpr int OpaqueAlpha = 255;
inline constexpr int AlphaStep = 10;

// Where the window goes when the button pressed at Down (panel coordinates) is released
// at Release: it moves by the pointer's travel, once.
QPoint DraggedWindowPos(QPoint WindowPos, QPoint Down, QPoint Release);

// X lowers the level by 10 while it is above 125, Z raises it by 10 while it is below 255;
// any other key, and a key at its limit, leaves it as it is.
int AlphaAfterKey(int Alpha, int Key);
