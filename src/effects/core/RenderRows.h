#pragma once
// The per-row kernels of the mirror window's renderer. On x86-64 they are
// compiled twice, for the baseline instruction set and for AVX2, and the
// renderer picks one at run time; other processors have the baseline only.
// Both give bit-identical pixels: every lane of a vector performs the same
// IEEE operations, in the same order, as the scalar code.
#include "base/Bitmap.h"

namespace quillo::render {

struct Frame {
  const Bitmap& face;
  Bitmap& view;
  int w;
  int h;
  bool smooth;
  int cx;
  int cy;
  double s;  // warp scale
  double b;  // mirror strength
  const double* shiftX;
  const double* shiftY;
};

// Renders rows top..bottom-1, columns left..right-1 (inside the picture).
void RenderRectBaseline(const Frame& f, int tag, Rect r);
#if defined(__x86_64__)
void RenderRectAvx2(const Frame& f, int tag, Rect r);
#endif

}  // namespace quillo::render
