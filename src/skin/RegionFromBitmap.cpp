#include "RegionFromBitmap.h"

#include <QRect>
#include <vector>

#include "skin/core/BitmapRegion.h"
#include "skin/core/SystemColors.h"

namespace quillo {

std::optional<QRegion> CreateRegionFromBitmap32(const Bitmap& bitmap, ColorRef key) {
  const std::vector<Rect> runs = ShapeRuns(bitmap, ColorRefToPixel(ResolveColor(key)));
  if (runs.empty()) return std::nullopt;
  // The runs come in rows top to bottom, left to right within a row, and do
  // not overlap: the banded order a region is built from directly.
  std::vector<QRect> rects;
  rects.reserve(runs.size());
  for (const Rect& r : runs) rects.emplace_back(r.left, r.top, r.Width(), r.Height());
  QRegion region;
  region.setRects(rects.data(), static_cast<int>(rects.size()));
  return region;
}

}  // namespace quillo
