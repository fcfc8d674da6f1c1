#include "SampleMixing.h"

#include <algorithm>

namespace quillo {

void MixSamples(std::span<std::int16_t> out, std::span<const std::int16_t> add) {
  const std::size_t n = std::min(out.size(), add.size());
  for (std::size_t i = 0; i < n; ++i)
    out[i] = static_cast<std::int16_t>(std::clamp(out[i] + add[i], -32768, 32767));
}

}  // namespace quillo
