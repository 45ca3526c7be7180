#pragma once

// The sticky-note picture of today's notes popup, 240 x 237: green paper, a green pin at the
// top left, the lower right corner curled up. Its edge is hard (every pixel either fully
// opaque or fully transparent), so a window cut to it shows no fringe.

#include <QPixmap>

QPixmap StickyNotePicture();
