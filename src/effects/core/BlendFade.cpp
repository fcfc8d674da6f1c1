#include "BlendFade.h"

#include <algorithm>
#include <cstdint>

namespace quillo {

void RenderBlendFade(Bitmap& frame, const Bitmap& left, const Bitmap& blend, int percent) {
  const double t = percent * 0.01;
  const double g = 1 - t;
  const int w = std::min({frame.Width(), left.Width(), blend.Width()});
  const int h = std::min({frame.Height(), left.Height(), blend.Height()});
  for (int y = 0; y < h; ++y) {
    auto* out = reinterpret_cast<std::uint8_t*>(frame.Row(y));
    const auto* a = reinterpret_cast<const std::uint8_t*>(left.Row(y));
    const auto* b = reinterpret_cast<const std::uint8_t*>(blend.Row(y));
    for (int i = 0; i < 4 * w; i += 4)
      for (int k = 0; k < 3; ++k)
        out[i + k] = static_cast<std::uint8_t>(static_cast<int>(a[i + k] * g) +
                                               static_cast<int>(b[i + k] * t));
  }
}

}  // namespace quillo
