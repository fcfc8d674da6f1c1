#include "BlendBrush.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace quillo {

namespace {

constexpr int kSpan = 2 * kBrushReach + 1;

// The weights of the 41 x 41 square, the same for every dab: w of the blend
// and 1 - w of the source; pixels beyond the rim are marked out.
struct BrushWeights {
  std::array<double, kSpan * kSpan> blend{};
  std::array<double, kSpan * kSpan> source{};
  std::array<bool, kSpan * kSpan> inside{};
};

const BrushWeights& Weights() {
  static const BrushWeights weights = [] {
    BrushWeights b;
    for (int dy = -kBrushReach; dy <= kBrushReach; ++dy)
      for (int dx = -kBrushReach; dx <= kBrushReach; ++dx) {
        const int i = (dy + kBrushReach) * kSpan + dx + kBrushReach;
        const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy)) * 0.05;
        b.inside[i] = !(d > 1.0);
        const double w = d * 0.125 + 0.875;
        b.blend[i] = w;
        b.source[i] = 1 - w;
      }
    return b;
  }();
  return weights;
}

// Byte values as doubles, so that the inner loop does no conversions.
const std::array<double, 256>& ByteValues() {
  static const auto values = [] {
    std::array<double, 256> v{};
    for (int i = 0; i < 256; ++i) v[i] = i;
    return v;
  }();
  return values;
}

}  // namespace

void BlendDab(Bitmap& blend, const Bitmap& source, int x, int y, int ox, int oy) {
  const BrushWeights& weights = Weights();
  const std::array<double, 256>& byte = ByteValues();
  // Rows and columns where both the pixel and its source lie inside.
  const int top = std::max({y - kBrushReach, 0, -oy});
  const int bottom = std::min({y + kBrushReach, blend.Height() - 1, source.Height() - 1 - oy});
  const int left = std::max({x - kBrushReach, 0, -ox});
  const int right = std::min({x + kBrushReach, blend.Width() - 1, source.Width() - 1 - ox});
  for (int r = top; r <= bottom; ++r) {
    const int row = (r - y + kBrushReach) * kSpan - x + kBrushReach;
    auto* out = reinterpret_cast<std::uint8_t*>(blend.Row(r));
    const Pixel* in = source.Row(r + oy);
    for (int c = left; c <= right; ++c) {
      const int i = row + c;
      if (!weights.inside[i]) continue;
      const double w = weights.blend[i];
      const double g = weights.source[i];
      std::uint8_t* p = out + 4 * c;
      const auto* s = reinterpret_cast<const std::uint8_t*>(in + c + ox);
      for (int k = 0; k < 3; ++k)
        p[k] = static_cast<std::uint8_t>(static_cast<int>(byte[s[k]] * g + byte[p[k]] * w));
      p[3] = 0;
    }
  }
}

}  // namespace quillo
