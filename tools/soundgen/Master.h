#pragma once
// The last step of every cue: its length, its room, and its level.
#include <cstdint>
#include <vector>

#include "Reverb.h"
#include "Signal.h"

namespace quillo::sound {

// The peak level of every cue, in dB below full scale.
inline constexpr double kPeakDbfs = -3.0;

// The voices cut or padded to `seconds`, in the room, faded out over the last
// few milliseconds and scaled so that the loudest sample sits at kPeakDbfs.
// Throws quillo::Error when the voices are silent.
std::vector<std::int16_t> Master(Signal voices, double seconds, const Room& room);

}  // namespace quillo::sound
