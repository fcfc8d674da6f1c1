#include "PreviewPlacement.h"

#include <algorithm>

namespace quillo {

Rect PreviewPlacement(int width, int height, int boxWidth, int boxHeight) {
  if (width <= 0 || height <= 0 || boxWidth <= 0 || boxHeight <= 0) return {};
  if (width <= boxWidth && height <= boxHeight)
    return RectOfSize((boxWidth - width) / 2, (boxHeight - height) / 2, width, height);
  // The larger of the two ratios brings both sides inside; the sizes truncate.
  const double scale =
      std::max(static_cast<double>(width) / boxWidth, static_cast<double>(height) / boxHeight);
  const int w = static_cast<int>(width / scale);
  const int h = static_cast<int>(height / scale);
  return RectOfSize((boxWidth - w) / 2, (boxHeight - h) / 2, w, h);
}

}  // namespace quillo
