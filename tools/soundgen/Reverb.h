#pragma once
// A little room around a cue: four damped feedback comb delays in parallel,
// then two all-pass delays in series, mixed under the dry signal.
#include "Signal.h"

namespace quillo::sound {

struct Room {
  double size = 0.5;  // 0 to 1: how long the tail rings
  double wet = 0.2;   // the reverberation's level against the dry signal
};

// The dry signal with the room's sound added; the result is as long as dry,
// so a tail that should be heard needs silence at the end of dry.
Signal Reverberate(const Signal& dry, const Room& room);

}  // namespace quillo::sound
