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

// Scalar only: it runs once for each row of nodes the photo's rows fall
// between, not for each row.
void BlendFieldAcross(const double* shiftX, const double* shiftY, int width, int r, const int* node,
                      const int* right, const double* fx, int n, FieldAcross& across) {
  const auto size = static_cast<std::size_t>(n);
  across.x.resize(size);
  across.y.resize(size);
  across.nodeX.resize(size);
  across.nodeY.resize(size);
  const double* rowX = shiftX + static_cast<std::size_t>(r) * width;
  const double* rowY = shiftY + static_cast<std::size_t>(r) * width;
  for (std::size_t i = 0; i < size; ++i) {
    const double* x = rowX + node[i];
    const double* y = rowY + node[i];
    across.x[i] = x[0] * (1 - fx[i]) + x[right[i]] * fx[i];
    across.y[i] = y[0] * (1 - fx[i]) + y[right[i]] * fx[i];
    across.nodeX[i] = x[0];
    across.nodeY[i] = y[0];
  }
}

}  // namespace quillo::render
