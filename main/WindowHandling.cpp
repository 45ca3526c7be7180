#include "main/WindowHandling.h"

#include <QtCore/qnamespace.h>

#include <algorithm>

QPoint DraggedWindowPos(QPoint WindowPos, QPoint Down, QPoint Release) {
    return WindowPos + Release - Down;
}

int AlphaAfterKey(int Alpha, int Key) {
    if (Key == Qt::Key_X && Alpha > MostTransparentAlpha)
        return Alpha - AlphaStep;
    if (Key == Qt::Key_Z && Alpha < OpaqueAlpha)
        return std::min(Alpha + AlphaStep, OpaqueAlpha);
    return Alpha;
}
