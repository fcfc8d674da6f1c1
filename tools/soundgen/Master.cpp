#include "Master.h"

#include <algorithm>
#include <cmath>

#include "base/Error.h"

namespace quillo::sound {

namespace {
constexpr double kEndFade = 0.015;
}

std::vector<std::int16_t> Master(Signal voices, double seconds, const Room& room) {
  voices.resize(SamplesIn(seconds), 0.0);
  Signal mixed = Reverberate(voices, room);
  const std::size_t fade = std::min(mixed.size(), SamplesIn(kEndFade));
  for (std::size_t i = 0; i < fade; ++i)
    mixed[mixed.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(fade);

  double peak = 0;
  for (double s : mixed) peak = std::max(peak, std::abs(s));
  if (peak == 0) throw Error("A sound cue came out silent");
  const double scale = std::pow(10.0, kPeakDbfs / 20) * 32767 / peak;
  std::vector<std::int16_t> pcm(mixed.size());
  std::transform(mixed.begin(), mixed.end(), pcm.begin(),
                 [scale](double s) { return static_cast<std::int16_t>(std::lround(s * scale)); });
  return pcm;
}

}  // namespace quillo::sound
