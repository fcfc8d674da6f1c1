#pragma once
// What all intros share: their format, and the curves their motion and their
// soft edges follow.
#include <algorithm>
#include <cmath>
#include <numbers>

namespace videogen {

constexpr int kVideoSide = 290;  // the frames are square
constexpr int kFramesPerSecond = 15;

// The effect's strength at frame i of a loop of n frames: 0 at frame 0,
// rising smoothly to 1 at n / 2 and falling back, so that frame n would be
// frame 0 again and the motion slows to rest at both ends.
inline double Swell(int i, int n) {
  return (1 - std::cos(2 * std::numbers::pi * i / n)) / 2;
}

// 0 up to `from`, 1 from `to` on, and a smooth S-curve between.
inline double SmoothStep(double from, double to, double x) {
  const double t = std::clamp((x - from) / (to - from), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

}  // namespace videogen
