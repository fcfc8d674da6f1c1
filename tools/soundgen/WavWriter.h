#pragma once
// RIFF WAVE files: 16-bit PCM, mono, at kSampleRate.
#include <cstdint>
#include <span>
#include <vector>

namespace quillo::sound {

std::vector<std::uint8_t> EncodeWav(std::span<const std::int16_t> samples);

}  // namespace quillo::sound
