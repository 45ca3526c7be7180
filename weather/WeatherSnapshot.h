#pragma once

// The day's weather snapshot: its file and how it is drawn.

#include "calendar/UDateTime.h"

#include <QImage>
#include <QString>

// The data folder followed by the day of When as "yyyymmdd" and ".bmp".
QString WeatherSnapshotFileName(TDateTime When);

// Picture with every pixel of its bottom-left pixel's colour left out (fully transparent),
// so the window's gradient shows through the keyed background.
QImage WithoutBottomLeftColour(const QImage& Picture);
