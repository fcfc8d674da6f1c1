#pragma once
// The row kernels of SmoothDraw, built for the baseline instruction set and
// for AVX2 and chosen at run time (base/Cpu.h). Both give the pixels of the
// plain formula bit for bit: every lane performs the scalar code's IEEE
// operations in its order.
#include <vector>

#include "base/Bitmap.h"

namespace quillo::stretch {

// One stretch of a picture onto the visible part of a rectangle.
struct Plan {
  const Bitmap& picture;
  Bitmap& canvas;
  int left;  // first visible canvas column
  int top;   // canvas row of destination row 0
  // Per visible column: the source columns and the weights of the left
  // (1 - w) and the right (w) neighbour.
  std::vector<int> near, far;
  std::vector<double> keep, take;
  // Per destination row, from 0: the same for the upper and the lower row.
  std::vector<int> upper, lower;
  std::vector<double> rowKeep, rowTake;
};

// The plan of SmoothDraw(canvas, rect, picture) for the visible part of rect
// (which must not be empty), the picture having pixels.
Plan PlanFor(Bitmap& canvas, Rect rect, Rect visible, const Bitmap& picture);

// Draws destination rows first..last-1 (all of them visible).
void StretchRowsBaseline(const Plan& p, int first, int last);
void StretchRowsAvx2(const Plan& p, int first, int last);

}  // namespace quillo::stretch
