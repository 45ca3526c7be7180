#pragma once

// What the note windows share in their relation to the main window: an opacity level kept
// as an exact integer (the platform reports it back rounded), taking the main window's
// opacity, and standing centred on the main window.

class QWidget;

// Sets the window's opacity, 0 (invisible) to 255 (opaque), and remembers the level.
void SetWindowAlpha(QWidget* Window, int Level);
// The level last set by SetWindowAlpha; 255 when none was set.
int WindowAlpha(const QWidget* Window);

// Gives the window the main window's current opacity; nothing when there is no main window.
void TakeMainWindowOpacity(QWidget* Window);

// Centres the window on the main window (on the screen when there is no main window).
void CentreOnMainWindow(QWidget* Window);
