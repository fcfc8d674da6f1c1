#pragma once
// Cutting a control's cell out of the skin sheet. Parts of the cell that lie
// outside the sheet stay black; a cell of another size than wanted is
// stretched or squeezed by nearest pixels, source index i x size / count.
#include "base/Bitmap.h"

namespace quillo {

// The w x h picture of the sheet rectangle `cell`.
Bitmap CutCell(const Bitmap& sheet, Rect cell, int w, int h);

// The picture scaled to w x h by nearest pixels.
Bitmap ScaleNearest(const Bitmap& picture, int w, int h);

// The source row or column shown at index i of count when size are scaled to count.
constexpr int NearestSource(int i, int size, int count) {
  return static_cast<int>(static_cast<long long>(i) * size / count);
}

}  // namespace quillo
