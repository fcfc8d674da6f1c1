#pragma once
// A cue's samples while it is being made: mono, full scale at 1.0, at the
// sample rate of the files.
#include <cstddef>
#include <vector>

namespace quillo::sound {

inline constexpr int kSampleRate = 44100;

using Signal = std::vector<double>;

// The number of samples in that many seconds, rounded to the nearest.
inline std::size_t SamplesIn(double seconds) {
  return static_cast<std::size_t>(seconds * kSampleRate + 0.5);
}

}  // namespace quillo::sound
