#include "CellBlend.h"

#include <algorithm>
#include <array>

namespace quillo {

namespace {

// o x t / 100 rounded half up for every byte value, for one transparency.
using Share = std::array<std::uint8_t, 256>;
Share ShareOf(int t) {
  Share s{};
  for (int v = 0; v < 256; ++v) s[v] = static_cast<std::uint8_t>((v * t + 50) / 100);
  return s;
}

Pixel Blend(Pixel o, Pixel c, const Share& back, const Share& front) {
  Pixel result = o & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int sum = back[(o >> shift) & 0xFF] + front[(c >> shift) & 0xFF];
    result |= static_cast<Pixel>(std::min(sum, 255)) << shift;
  }
  return result;
}

}  // namespace

void BlendCell(Bitmap& out, const Bitmap& cell, int left, int top, Pixel key, int transparency,
               bool alphaFromCell) {
  const Rect r =
      RectOfSize(left, top, cell.Width(), cell.Height()).ClampedTo(out.Width(), out.Height());
  if (r.IsEmpty()) return;
  const Share back = ShareOf(transparency);
  const Share front = ShareOf(100 - transparency);
  for (int y = r.top; y < r.bottom; ++y) {
    Pixel* o = out.Row(y);
    const Pixel* c = cell.Row(y - top) - left;
    for (int x = r.left; x < r.right; ++x) {
      if (ColourBits(c[x]) == key) continue;
      if (alphaFromCell) {
        const int t = AlphaTransparency(Fourth(c[x]));
        Pixel p = o[x] & 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8)
          p |= static_cast<Pixel>(BlendChannel((o[x] >> shift) & 0xFF, (c[x] >> shift) & 0xFF, t))
               << shift;
        o[x] = p;
      } else {
        o[x] = Blend(o[x], c[x], back, front);
      }
    }
  }
}

}  // namespace quillo
