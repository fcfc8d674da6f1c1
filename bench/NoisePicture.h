#pragma once
// Pictures of random pixels for the benchmarks: every sample differs, so no
// shortcut for flat areas flatters a figure.
#include <random>

#include "base/Bitmap.h"

namespace quillo {

inline Bitmap Noise(int w, int h, unsigned seed) {
  std::mt19937 random(seed);
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.At(x, y) = static_cast<Pixel>(random());
  return b;
}

}  // namespace quillo
