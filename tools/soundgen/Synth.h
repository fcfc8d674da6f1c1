#pragma once
// The two voices the cues are made of, each added into a signal (which grows
// to hold the voice): a tone of sine partials with an optional pitch glide and
// vibrato, and a whoosh of noise through a band filter whose centre sweeps.
#include <cstdint>
#include <vector>

#include "Envelope.h"
#include "Signal.h"

namespace quillo::sound {

// A sine at `ratio` times the tone's frequency.
struct Partial {
  double ratio = 1;
  double gain = 1;
};

struct Tone {
  double start = 0;  // seconds into the cue
  double length = 0.2;
  double freq = 440;   // Hz
  double endFreq = 0;  // Hz reached at the end by an exponential glide; 0 holds the pitch
  double vibratoHz = 0;
  double vibratoDepth = 0;  // as a fraction of the frequency
  double gain = 1;
  Envelope envelope;
  std::vector<Partial> partials = {{1, 1}};
};

void AddTone(Signal& out, const Tone& tone);

struct Whoosh {
  double start = 0;
  double length = 0.4;
  double fromHz = 400;   // the band's centre at the start and the end, swept
  double toHz = 4000;    // exponentially; both below 6 kHz
  double damping = 0.4;  // of the band filter: smaller is narrower
  double gain = 1;
  Envelope envelope;
  std::uint64_t seed = 1;
};

void AddWhoosh(Signal& out, const Whoosh& whoosh);

}  // namespace quillo::sound
