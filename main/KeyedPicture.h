#pragma once

// A picture whose background colour is keyed out: every pixel of the colour of the
// bottom-left pixel becomes transparent.

#include <QImage>

QImage KeyedOutPicture(const QImage& Picture);
