#pragma once

// The fonts of the main window, by role, from the installed families: a sans font for
// texts and digits, a bold sans for the large day number and a Kai font for the year name.

#include <QFont>

QFont SansFont(int PixelSize, bool Bold = false);
QFont DayNumberFont(int PixelSize);
QFont KaiFont(int PixelSize, bool Bold = false);
