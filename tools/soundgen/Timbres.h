#pragma once
// The partials the cues' tones are built from.
#include <vector>

#include "Synth.h"

namespace quillo::sound {

// Bright and brassy: the harmonics falling off slowly.
inline const std::vector<Partial> kBright = {{1, 1}, {2, 0.5}, {3, 0.33}, {4, 0.2}, {5, 0.12}};
// A struck bar: inharmonic partials.
inline const std::vector<Partial> kBell = {{1, 1}, {2.76, 0.4}, {5.4, 0.18}, {8.93, 0.07}};
// Nearly a pure sine, a little warmth from the octave.
inline const std::vector<Partial> kSoft = {{1, 1}, {2, 0.15}};
inline const std::vector<Partial> kPure = {{1, 1}};

// Equal-tempered notes, in Hz.
inline constexpr double kA4 = 440.00, kC5 = 523.25, kD5 = 587.33, kE5 = 659.26, kG5 = 783.99,
                        kA5 = 880.00, kC6 = 1046.50, kD6 = 1174.66, kE6 = 1318.51, kG6 = 1567.98,
                        kC7 = 2093.00, kE7 = 2637.02, kG7 = 3135.96, kC8 = 4186.01;

}  // namespace quillo::sound
