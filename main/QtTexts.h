#pragma once

// The texts that Qt itself shows (the line edits' context menu, the buttons of message
// boxes) in Simplified Chinese, like every other text of the program, whatever the locale.

class QCoreApplication;

// Installs Qt's own Simplified Chinese translations into the application. False when they
// are not installed on this machine; Qt then keeps its English texts.
bool LoadChineseQtTexts(QCoreApplication& Application);
