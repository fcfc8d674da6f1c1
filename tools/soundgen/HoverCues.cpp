// The hover cues: three boings (sines bent in pitch, wobbling), three blips
// (short pure notes), two sparkles (short high bell partials) and bubbles.
#include <iterator>

#include "Cues.h"
#include "Master.h"
#include "Random.h"
#include "Synth.h"
#include "Timbres.h"
#include "io/core/DataFiles.h"

namespace quillo::sound {

namespace {

constexpr Room kSmallRoom = {.size = 0.3, .wet = 0.15};
constexpr Room kBrightRoom = {.size = 0.65, .wet = 0.35};

Tone Boing(double start, double length, double from, double to, double wobbleHz) {
  return {.start = start,
          .length = length,
          .freq = from,
          .endFreq = to,
          .vibratoHz = wobbleHz,
          .vibratoDepth = 0.1,
          .envelope = {.attack = 0.005, .decay = length / 3},
          .partials = kSoft};
}

Tone Blip(double start, double freq) {
  return {.start = start,
          .length = 0.06,
          .freq = freq,
          .envelope = {.attack = 0.002, .decay = 0.025},
          .partials = {{1, 1}, {3, 0.1}}};
}

Tone Ping(double start, double freq, double decay) {
  return {.start = start,
          .length = 0.15,
          .freq = freq,
          .envelope = {.attack = 0.001, .decay = decay},
          .partials = {{1, 1}, {2.76, 0.3}}};
}

std::vector<std::int16_t> BoingUp() {
  Signal v;
  AddTone(v, Boing(0, 0.45, 160, 420, 14));
  return Master(v, 0.55, kSmallRoom);
}

std::vector<std::int16_t> BoingDown() {
  Signal v;
  AddTone(v, Boing(0, 0.4, 620, 180, 10));
  return Master(v, 0.5, kSmallRoom);
}

std::vector<std::int16_t> DoubleBoing() {
  Signal v;
  AddTone(v, Boing(0, 0.2, 220, 440, 18));
  AddTone(v, Boing(0.2, 0.25, 330, 660, 18));
  return Master(v, 0.55, kSmallRoom);
}

std::vector<std::int16_t> BlipUp() {
  Signal v;
  AddTone(v, Blip(0, kA5));
  AddTone(v, Blip(0.07, kE6));
  return Master(v, 0.3, kSmallRoom);
}

std::vector<std::int16_t> BlipsDown() {
  Signal v;
  int i = 0;
  for (double note : {kG6, kD6, kA5}) AddTone(v, Blip(0.07 * i++, note));
  return Master(v, 0.35, kSmallRoom);
}

std::vector<std::int16_t> BlipGlide() {
  Signal v;
  AddTone(v, {.length = 0.12,
              .freq = 500,
              .endFreq = 1600,
              .envelope = {.attack = 0.004, .decay = 0.06},
              .partials = kPure});
  return Master(v, 0.25, kSmallRoom);
}

// Pings at scattered moments and pitches, the same ones on every run.
std::vector<std::int16_t> Scatter() {
  Signal v;
  Random random(7);
  for (int i = 0; i < 10; ++i) {
    const double start = random.Between(0, 0.35);
    AddTone(v, Ping(start, random.Between(2500, 5500), 0.03));
  }
  return Master(v, 0.6, kBrightRoom);
}

std::vector<std::int16_t> SparkleUp() {
  Signal v;
  int i = 0;
  for (double note : {kC7, kE7, kG7, kC8}) AddTone(v, Ping(0.05 * i++, note, 0.06));
  return Master(v, 0.5, kBrightRoom);
}

std::vector<std::int16_t> Bubbles() {
  Signal v;
  for (int i = 0; i < 3; ++i)
    AddTone(v, {.start = 0.09 * i,
                .length = 0.06,
                .freq = 300.0 + 60 * i,
                .endFreq = 1000.0 + 150 * i,
                .envelope = {.attack = 0.004, .decay = 0.03},
                .partials = kPure});
  return Master(v, 0.4, kSmallRoom);
}

}  // namespace

std::vector<Cue> HoverCues() {
  std::vector<std::int16_t> (*const makers[])() = {
      BoingUp, BoingDown, DoubleBoing, BlipUp, BlipsDown, BlipGlide, Scatter, SparkleUp, Bubbles};
  static_assert(std::size(makers) == kRandomSounds);
  std::vector<Cue> cues;
  for (int n = 1; n <= kRandomSounds; ++n) cues.push_back({RandomSound(n), makers[n - 1]()});
  return cues;
}

}  // namespace quillo::sound
