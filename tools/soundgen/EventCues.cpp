// The event cues: a fanfare at start, whooshes for the slides, ticks for the
// sliders, chimes for open and save, falling notes for exit and cancel, and
// a soft click for the press.
#include <initializer_list>
#include <string>

#include "Cues.h"
#include "Master.h"
#include "Synth.h"
#include "Timbres.h"
#include "io/core/DataFiles.h"

namespace quillo::sound {

namespace {

// Four notes rising through a major chord, the last held under a quieter chord.
std::vector<std::int16_t> Fanfare() {
  Signal v;
  const double notes[] = {kC5, kE5, kG5, kC6};
  for (int i = 0; i < 4; ++i) {
    const bool last = i == 3;
    AddTone(v, {.start = 0.11 * i,
                .length = last ? 0.8 : 0.2,
                .freq = notes[i],
                .vibratoHz = last ? 5.5 : 0,
                .vibratoDepth = last ? 0.004 : 0,
                .envelope = {.attack = 0.012, .decay = last ? 0.35 : 0.12},
                .partials = kBright});
  }
  for (double chord : {kE5, kG5})
    AddTone(v, {.start = 0.33,
                .length = 0.8,
                .freq = chord,
                .gain = 0.35,
                .envelope = {.attack = 0.03, .decay = 0.35},
                .partials = kSoft});
  return Master(v, 1.25, {.size = 0.6, .wet = 0.3});
}

// Noise whose band sweeps from one pitch to another.
std::vector<std::int16_t> Slide(double fromHz, double toHz, double swell, std::uint64_t seed) {
  Signal v;
  AddWhoosh(v, {.length = 0.5,
                .fromHz = fromHz,
                .toHz = toHz,
                .damping = 0.35,
                .envelope = {.attack = swell, .decay = 0.2},
                .seed = seed});
  return Master(v, 0.65, {.size = 0.4, .wet = 0.2});
}

// A short knock of a tone and a puff of noise at that pitch.
std::vector<std::int16_t> Tick(double freq, std::uint64_t seed) {
  Signal v;
  AddTone(v, {.length = 0.04,
              .freq = freq,
              .envelope = {.attack = 0.001, .decay = 0.008},
              .partials = {{1, 1}, {2.3, 0.3}}});
  AddWhoosh(v, {.length = 0.02,
                .fromHz = freq * 2,
                .toHz = freq * 1.6,
                .damping = 0.8,
                .gain = 0.5,
                .envelope = {.attack = 0.0005, .decay = 0.004},
                .seed = seed});
  return Master(v, 0.12, {.size = 0.2, .wet = 0.12});
}

// Struck bars, one after another.
std::vector<std::int16_t> Chime(std::initializer_list<double> notes, double step, double decay) {
  Signal v;
  int i = 0;
  for (double note : notes) {
    AddTone(v, {.start = step * i++,
                .length = 0.75,
                .freq = note,
                .envelope = {.attack = 0.003, .decay = decay},
                .partials = kBell});
  }
  return Master(v, 0.95 + step * (i - 1), {.size = 0.5, .wet = 0.25});
}

// Two soft notes, the second lower.
std::vector<std::int16_t> Farewell() {
  Signal v;
  AddTone(
      v,
      {.length = 0.18, .freq = kE5, .envelope = {.attack = 0.01, .decay = 0.1}, .partials = kSoft});
  AddTone(v, {.start = 0.16,
              .length = 0.4,
              .freq = kA4,
              .envelope = {.attack = 0.01, .decay = 0.16},
              .partials = kSoft});
  return Master(v, 0.65, {.size = 0.4, .wet = 0.2});
}

// A gentle tone sinking by a fifth.
std::vector<std::int16_t> LetDown() {
  Signal v;
  AddTone(v, {.length = 0.45,
              .freq = kD5,
              .endFreq = kD5 * 2 / 3,
              .envelope = {.attack = 0.03, .decay = 0.2},
              .partials = kSoft});
  return Master(v, 0.6, {.size = 0.4, .wet = 0.2});
}

// A muffled tap: a low falling knock and a very short puff.
std::vector<std::int16_t> Press() {
  Signal v;
  AddTone(v, {.length = 0.03,
              .freq = 700,
              .endFreq = 500,
              .envelope = {.attack = 0.0015, .decay = 0.006},
              .partials = kPure});
  AddWhoosh(v, {.length = 0.012,
                .fromHz = 1500,
                .toHz = 1200,
                .damping = 1.0,
                .gain = 0.6,
                .envelope = {.attack = 0.0005, .decay = 0.003},
                .seed = 31});
  return Master(v, 0.12, {.size = 0.2, .wet = 0.1});
}

}  // namespace

std::vector<Cue> EventCues() {
  return {
      {std::string(kStartSound), Fanfare()},
      {std::string(kMove1Sound), Slide(3500, 350, 0.15, 11)},
      {std::string(kMove2Sound), Slide(350, 3500, 0.3, 12)},
      {std::string(kLeftSliderSound), Tick(1400, 21)},
      {std::string(kRightSliderSound), Tick(2100, 22)},
      {std::string(kOpenSound), Chime({kG5, kD6}, 0.12, 0.3)},
      {std::string(kSaveSound), Chime({kC6, kE6, kC7}, 0.08, 0.22)},
      {std::string(kExitSound), Farewell()},
      {std::string(kCancelSound), LetDown()},
      {ClickSound(1), Press()},
  };
}

}  // namespace quillo::sound
