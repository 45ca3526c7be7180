#pragma once

// A picture whose background colour is keyed out: every opaque pixel of the colour of the
// bottom-left pixel becomes transparent, so the window's gradient shows through. The
// zodiac pictures and the weather snapshots are drawn this way.

#include <QImage>

QImage KeyedOutPicture(const QImage& Picture);
