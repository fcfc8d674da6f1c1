// The renderer's kernels for x86-64 processors with AVX2 (this file is
// compiled with -mavx2, never with FMA; elsewhere it is a second baseline).
#include "RenderRowsImpl.h"

namespace quillo::render {

void RenderRectAvx2(const Frame& f, int tag, Rect r) {
  RenderRect(f, tag, r);
}

void PushFieldAvx2(const Brush& b) {
  PushField(b);
}

void SamplePlacesAvx2(const Bitmap& picture, const double* px, const double* py, int n,
                      Pixel* out) {
  SamplePlaces(picture, px, py, n, out);
}

void RadialPlacesAvx2(const RadialRow& row, int n) {
  RadialPlaces(row, n);
}

void FieldPlacesAvx2(const FieldRow& row, int n) {
  FieldPlaces(row, n);
}

}  // namespace quillo::render
