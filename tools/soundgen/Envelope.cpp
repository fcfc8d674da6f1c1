#include "Envelope.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillo::sound {

namespace {
constexpr double kEndFade = 0.004;
}

double Envelope::At(double t, double length) const {
  if (t < 0 || t >= length) return 0;
  // A raised-cosine rise is gentler on the ear than a straight one.
  const double rise = t < attack ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack) : 1.0;
  const double fall = t > attack ? std::exp(-(t - attack) / decay) : 1.0;
  const double fade = std::min(1.0, (length - t) / std::min(kEndFade, length / 2));
  return rise * fall * fade;
}

}  // namespace quillo::sound
