#pragma once

// The fonts of the windows, by role, from the installed families: a sans font for texts and
// digits, a bold sans for the large day number, a Kai font for the year name, a Ming font
// for the captions of About and the weather window's message, a round font for the weather
// window's title, and the small sans of the note windows.

#include <QFont>

QFont SansFont(int PixelSize, bool Bold = false);
QFont DayNumberFont(int PixelSize);
QFont KaiFont(int PixelSize, bool Bold = false);
QFont MingFont(int PixelSize);
QFont RoundFont(int PixelSize);
// The note windows' font, sized in points as the desktop's own texts are.
QFont NotesFont(int PointSize);
