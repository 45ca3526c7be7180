#pragma once

// A window's opacity level, 0 (invisible) to 255 (opaque), kept on the window as an exact
// integer: what the platform reports back after setWindowOpacity is rounded and never read.

class QWidget;

// Sets the window's opacity to Level (bounded to 0..255) and remembers the level.
void SetWindowAlpha(QWidget* Window, int Level);
// The level last set by SetWindowAlpha; 255 when none was set.
int WindowAlpha(const QWidget* Window);
