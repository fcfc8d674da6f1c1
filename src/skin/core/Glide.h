#pragma once
// The glide of a panel moved by MoveTo: a quadratic ease-in from the start to
// the offset, f = t x t / d / d, the product with the offset rounded to the
// nearest integer with halves to even.
#include <cmath>

namespace quillo {

// The offset reached after elapsed of duration milliseconds; exactly the
// whole offset once elapsed reaches the duration.
inline int GlideOffset(int elapsed, int duration, int offset) {
  if (elapsed >= duration) return offset;
  const double t = elapsed;
  const double d = duration;
  const double f = t * t / d / d;
  return static_cast<int>(std::nearbyint(f * offset));
}

}  // namespace quillo
