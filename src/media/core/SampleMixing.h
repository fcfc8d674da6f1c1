#pragma once
// Adding one stream of 16-bit samples into another, as a mixer does:
// summed and held at the ends of the range instead of wrapping around.
#include <cstdint>
#include <span>

namespace quillo {

// out[i] += add[i] for the samples both have, saturating at -32768 and 32767.
void MixSamples(std::span<std::int16_t> out, std::span<const std::int16_t> add);

}  // namespace quillo
