#pragma once
// Noise with a fixed seed (SplitMix64): the same sequence on every run, where
// the standard library's distributions may differ between its versions.
#include <cstdint>

namespace quillo::sound {

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [lo, hi).
  double Between(double lo, double hi) {
    return lo + (hi - lo) * (static_cast<double>(Next() >> 11) * 0x1.0p-53);
  }

 private:
  std::uint64_t state_;
};

}  // namespace quillo::sound
