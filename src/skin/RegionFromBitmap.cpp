#include "RegionFromBitmap.h"

#include <QRect>
#include <vector>

#include "skin/core/BitmapRegion.h"
#include "skin/core/SystemColors.h"

namespace quillo {

std::optional<QRegion> CreateRegionFromBitmap32(const Bitmap& bitmap, ColorRef key) {
  const std::vector<Rect> runs = ShapeRuns(bitmap, KeyPixelOf(key));
  if (runs.empty()) return std::nullopt;
  // The runs come in rows top to bottom, left to right within a row, and do
  // not overlap: the banded order a region is built from directly. Rows whose
  // runs match the row above only make that band taller.
  std::vector<QRect> rects;
  rects.reserve(runs.size());
  std::size_t band = 0;  // first rectangle of the last band
  std::size_t i = 0;
  while (i < runs.size()) {
    std::size_t end = i;
    while (end < runs.size() && runs[end].top == runs[i].top) ++end;
    const std::size_t count = end - i;
    bool same =
        !rects.empty() && rects.size() - band == count && rects[band].bottom() + 1 == runs[i].top;
    for (std::size_t k = 0; same && k < count; ++k)
      same = rects[band + k].left() == runs[i + k].left &&
             rects[band + k].right() + 1 == runs[i + k].right;
    if (same) {
      for (std::size_t k = 0; k < count; ++k) rects[band + k].setBottom(runs[i].top);
    } else {
      band = rects.size();
      for (std::size_t k = i; k < end; ++k)
        rects.emplace_back(runs[k].left, runs[k].top, runs[k].Width(), runs[k].Height());
    }
    i = end;
  }
  QRegion region;
  region.setRects(rects.data(), static_cast<int>(rects.size()));
  return region;
}

}  // namespace quillo
