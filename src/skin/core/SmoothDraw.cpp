#include "SmoothDraw.h"

#include "StretchRows.h"
#include "base/Bands.h"
#include "base/Cpu.h"

namespace quillo {

namespace {

// Source position of destination column or row i: (size × i) / count with
// the integer product divided in floating point; near and far neighbour and
// their weights 1 - w and w.
struct Tap {
  int near;
  int far;
  double keep;
  double take;
};

Tap TapAt(int sourceSize, int count, int i, bool resetWeightAtLast) {
  const double f = static_cast<double>(sourceSize * i) / count;
  const int n = static_cast<int>(f);
  const bool last = n == sourceSize - 1;
  double w = f - n;
  if (last && resetWeightAtLast) w = 0.0;
  return {n, last ? n : n + 1, 1 - w, w};
}

// The taps of destination columns or rows first..last-1.
stretch::Taps TapsFor(int sourceSize, int count, int first, int last, bool resetWeightAtLast) {
  stretch::Taps taps;
  for (int i = first; i < last; ++i) {
    const Tap t = TapAt(sourceSize, count, i, resetWeightAtLast);
    taps.near.push_back(t.near);
    taps.far.push_back(t.far);
    taps.keep.push_back(t.keep);
    taps.take.push_back(t.take);
  }
  return taps;
}

// Stretches of this many visible pixels or more are drawn in bands of rows.
constexpr long long kBandedArea = 40000;
constexpr int kBandRows = 16;

}  // namespace

namespace stretch {

// Rows reset their weight on the last source row. Columns keep theirs: the
// last column is then mixed with itself, which can differ from it in the
// last bit of the product before truncation.
Plan PlanFor(Bitmap& canvas, Rect rect, Rect visible, const Bitmap& picture) {
  return {picture,
          canvas,
          visible.left,
          visible.top,
          TapsFor(picture.Width(), rect.Width(), visible.left - rect.left,
                  visible.right - rect.left, false),
          TapsFor(picture.Height(), rect.Height(), visible.top - rect.top,
                  visible.bottom - rect.top, true)};
}

}  // namespace stretch

void SmoothDraw(Bitmap& canvas, Rect rect, const Bitmap& picture) {
  const int sw = picture.Width();
  const int sh = picture.Height();
  const int dw = rect.Width();
  const int dh = rect.Height();
  if (sw == 0 || sh == 0 || dw <= 0 || dh <= 0) return;

  // Only the rows and columns that land on the canvas are computed.
  const Rect visible = rect.ClampedTo(canvas.Width(), canvas.Height());
  if (visible.IsEmpty()) return;

  const stretch::Plan plan = stretch::PlanFor(canvas, rect, visible, picture);
  const auto kernel = ForThisProcessor(stretch::StretchRowsBaseline, stretch::StretchRowsAvx2);
  const int rows = visible.Height();
  if (static_cast<long long>(visible.Width()) * rows < kBandedArea) {
    kernel(plan, 0, rows);
    return;
  }
  RunInBands(0, rows, kBandRows, [&](int first, int last) { kernel(plan, first, last); });
}

Rect CenterRect(int rw, int rh, int pw, int ph) {
  const double scale = static_cast<double>(pw) / rw > static_cast<double>(ph) / rh
                           ? static_cast<double>(rw) / pw
                           : static_cast<double>(rh) / ph;
  const int w = static_cast<int>(pw * scale);
  const int h = static_cast<int>(ph * scale);
  const int left = (rw - w) / 2;
  const int top = (rh - h) / 2;
  return {left, top, left + w, top + h};
}

void CenterDraw(Bitmap& canvas, Rect rect, const Bitmap& picture, Pixel brush) {
  if (picture.Width() == 0 || picture.Height() == 0) return;
  canvas.FillRect(rect, brush);
  if (rect.IsEmpty()) return;
  const Rect fit = CenterRect(rect.Width(), rect.Height(), picture.Width(), picture.Height());
  SmoothDraw(
      canvas,
      {rect.left + fit.left, rect.top + fit.top, rect.left + fit.right, rect.top + fit.bottom},
      picture);
}

}  // namespace quillo
