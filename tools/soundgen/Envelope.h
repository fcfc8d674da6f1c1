#pragma once
// The loudness of a note over its life: a rise over `attack` seconds, then an
// exponential fall with time constant `decay` seconds, and a fade to silence
// over the last few milliseconds so that no note stops with a click.
namespace quillo::sound {

struct Envelope {
  double attack = 0.005;
  double decay = 0.2;

  // The gain at t seconds into a note lasting `length` seconds; 0 outside it.
  double At(double t, double length) const;
};

}  // namespace quillo::sound
