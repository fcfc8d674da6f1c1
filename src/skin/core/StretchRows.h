#pragma once
// The row kernels of SmoothDraw, built for the baseline instruction set and
// for AVX2 and chosen at run time (base/Cpu.h). Both give the pixels of the
// plain formula bit for bit: every lane performs the scalar code's IEEE
// operations in its order.
#include <vector>

#include "base/Bitmap.h"

namespace quillo::stretch {

// Per destination column or row: the source columns or rows, and the
// weights of the near (1 - w) and the far (w) neighbour.
struct Taps {
  std::vector<int> near, far;
  std::vector<double> keep, take;
};

// One stretch of a picture onto the visible part of a rectangle.
struct Plan {
  const Bitmap& picture;
  Bitmap& canvas;
  int left;      // first visible canvas column
  int top;       // canvas row of destination row 0
  Taps columns;  // per visible column
  Taps rows;     // per destination row, from 0
};

// The plan of SmoothDraw(canvas, rect, picture) for the visible part of rect
// (which must not be empty), the picture having pixels.
Plan PlanFor(Bitmap& canvas, Rect rect, Rect visible, const Bitmap& picture);

// Draws destination rows first..last-1 (all of them visible).
void StretchRowsBaseline(const Plan& p, int first, int last);
void StretchRowsAvx2(const Plan& p, int first, int last);

}  // namespace quillo::stretch
