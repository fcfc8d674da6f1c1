#pragma once
// Bridges between core bitmaps and Qt images.
#include <QImage>

#include "base/Bitmap.h"

namespace quillo {

// A read-only QImage over the bitmap's pixel memory, without copying. It is
// valid while the bitmap lives and keeps its size.
QImage WrapImage(const Bitmap& bitmap);

// A QImage over the bitmap's pixel memory to paint on, without copying;
// valid while the bitmap lives and keeps its size. The toolkit writes 0xFF
// into the fourth byte of the pixels it paints.
QImage PaintableImage(Bitmap& bitmap);

// A copy of any QImage as a 32-bit bitmap (fourth byte 0); alpha is dropped.
Bitmap ToBitmap(const QImage& image);

// An opaque copy of the bitmap as a Format_RGB32 QImage: every pixel's alpha
// is 0xFF whatever the bitmap's fourth bytes hold, so painting on it or
// converting it never sees transparency.
QImage ToImage(const Bitmap& bitmap);

}  // namespace quillo
