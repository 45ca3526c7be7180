#pragma once

// What the secondary windows take from the main window (frmManyYear): its opacity, a
// place centred on it, and for the weather window a place against its right edge.

class QWidget;

// Gives the window the main window's current opacity; nothing when there is no main window.
void TakeMainWindowOpacity(QWidget* Window);

// Centres the window on the main window (on the screen when there is no main window).
void CentreOnMainWindow(QWidget* Window);

// Moves the window against the main window's right edge, top edges level; nothing when
// there is no main window.
void DockToMainWindow(QWidget* Window);
