#pragma once
// Bridges between core bitmaps and Qt images.
#include <QImage>

#include "base/Bitmap.h"

namespace quillo {

// A read-only QImage over the bitmap's pixel memory, without copying. It is
// valid while the bitmap lives and keeps its size.
QImage WrapImage(const Bitmap& bitmap);

// A copy of any QImage as a 32-bit bitmap (fourth byte 0); alpha is dropped.
Bitmap ToBitmap(const QImage& image);

}  // namespace quillo
