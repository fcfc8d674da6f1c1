// The renderer's kernels for any x86-64 (or other) processor.
#include <cmath>

#include "RenderRowsImpl.h"

namespace quillo::render {

void RenderRectBaseline(const Frame& f, int tag, Rect r) {
  RenderRect(f, tag, r);
}

void FillCone(int r, std::vector<double>& cone) {
  const int side = 2 * r + 1;
  cone.resize(static_cast<std::size_t>(r + 1) * side);
  for (int dy = 0; dy <= r; ++dy)
    for (int dx = -r; dx <= r; ++dx)
      cone[static_cast<std::size_t>(dy) * side + dx + r] =
          1 - std::sqrt(static_cast<double>(dx * dx + dy * dy)) / r;
}

void PushFieldBaseline(const Brush& b) {
  PushField(b);
}

void SamplePlacesBaseline(const Bitmap& picture, const double* px, const double* py, int n,
                          Pixel* out) {
  SamplePlaces(picture, px, py, n, out);
}

void RadialPlacesBaseline(const RadialRow& row, int n) {
  RadialPlaces(row, n);
}

void FieldPlacesBaseline(const FieldRow& row, int n) {
  FieldPlaces(row, n);
}

}  // namespace quillo::render
