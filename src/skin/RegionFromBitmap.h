#pragma once
// A window region from a 32-bit bitmap: the pixels that are not the key
// colour, united run by run.
#include <QRegion>
#include <optional>

#include "base/Bitmap.h"

namespace quillo {

// None when every pixel is the key colour (a platform colour value; system
// colours are resolved first).
std::optional<QRegion> CreateRegionFromBitmap32(const Bitmap& bitmap, ColorRef key);

}  // namespace quillo
