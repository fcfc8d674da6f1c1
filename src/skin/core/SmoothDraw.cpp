#include "SmoothDraw.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quillo {

namespace {

struct Tap {
  int near;  // source index of the left or upper neighbour
  int far;   // source index of the right or lower neighbour
  double w;  // weight of the far neighbour
};

// Source positions of every destination column or row: (size × i) / count with
// the integer product divided in floating point.
std::vector<Tap> Taps(int sourceSize, int count, bool resetWeightAtLast) {
  std::vector<Tap> taps(count);
  for (int i = 0; i < count; ++i) {
    const double f = static_cast<double>(sourceSize * i) / count;
    const int n = static_cast<int>(f);
    const bool last = n == sourceSize - 1;
    double w = f - n;
    if (last && resetWeightAtLast) w = 0.0;
    taps[i] = {n, last ? n : n + 1, w};
  }
  return taps;
}

}  // namespace

void SmoothDraw(Bitmap& canvas, Rect rect, const Bitmap& picture) {
  const int sw = picture.Width();
  const int sh = picture.Height();
  const int dw = rect.Width();
  const int dh = rect.Height();
  if (sw == 0 || sh == 0 || dw <= 0 || dh <= 0) return;

  // Only the rows and columns that land on the canvas are computed.
  const Rect visible = rect.ClampedTo(canvas.Width(), canvas.Height());
  if (visible.IsEmpty()) return;

  // Rows reset their weight on the last source row. Columns keep theirs: the
  // last column is then mixed with itself, which can differ from it in the
  // last bit of the product before truncation.
  const std::vector<Tap> cols = Taps(sw, dw, false);
  const std::vector<Tap> rows = Taps(sh, dh, true);

  // Byte values as doubles, so that the inner loop does no conversions.
  static const auto kByte = [] {
    std::array<double, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = i;
    return t;
  }();

  for (int y = visible.top - rect.top; y < visible.bottom - rect.top; ++y) {
    const Tap& ty = rows[y];
    const auto* upper = reinterpret_cast<const std::uint8_t*>(picture.Row(ty.near));
    const auto* lower = reinterpret_cast<const std::uint8_t*>(picture.Row(ty.far));
    const double wy = ty.w;
    const double gy = 1 - wy;
    Pixel* out = canvas.Row(rect.top + y);
    for (int x = visible.left - rect.left; x < visible.right - rect.left; ++x) {
      const Tap& tx = cols[x];
      const double wx = tx.w;
      const double gx = 1 - wx;
      const std::uint8_t* u0 = upper + 4 * tx.near;
      const std::uint8_t* u1 = upper + 4 * tx.far;
      const std::uint8_t* l0 = lower + 4 * tx.near;
      const std::uint8_t* l1 = lower + 4 * tx.far;
      int channel[3];
      for (int c = 0; c < 3; ++c) {
        const double v = gy * (gx * kByte[u0[c]] + wx * kByte[u1[c]]) +
                         wy * (gx * kByte[l0[c]] + wx * kByte[l1[c]]);
        channel[c] = static_cast<int>(v);
      }
      out[rect.left + x] = MakePixel(channel[2], channel[1], channel[0]);
    }
  }
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
