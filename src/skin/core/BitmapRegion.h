#pragma once
// The shape of a skinned panel: the pixels of its cell that are not the key
// colour, as one rectangle per run of such pixels in a row. Rows are scanned
// top to bottom, runs left to right; only blue, green and red are compared,
// the fourth byte is ignored.
#include <vector>

#include "base/Bitmap.h"

namespace quillo {

// The runs of shape pixels as rectangles one pixel high (right and bottom
// exclusive), in scanning order. Empty when every pixel is the key; with
// kNoKey (CellBlend.h) every pixel belongs to the shape.
std::vector<Rect> ShapeRuns(const Bitmap& bitmap, Pixel key);

}  // namespace quillo
