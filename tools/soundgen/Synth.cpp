#include "Synth.h"

#include <cmath>
#include <numbers>

#include "Random.h"

namespace quillo::sound {

namespace {

// Partials above this are left out: they would fold back as harsh aliases.
constexpr double kHighestPartial = 18000;

// The voice's samples, from start to start + length, as a window into out.
struct Span {
  std::size_t first;
  std::size_t count;
};

Span Reserve(Signal& out, double start, double length) {
  const Span span{SamplesIn(start), SamplesIn(length)};
  if (out.size() < span.first + span.count) out.resize(span.first + span.count, 0.0);
  return span;
}

// The exponential sweep from a to b at fraction x of the way.
double Sweep(double a, double b, double x) {
  return a * std::pow(b / a, x);
}

}  // namespace

void AddTone(Signal& out, const Tone& tone) {
  const Span span = Reserve(out, tone.start, tone.length);
  const double endFreq = tone.endFreq > 0 ? tone.endFreq : tone.freq;
  std::vector<double> phases(tone.partials.size(), 0.0);
  for (std::size_t i = 0; i < span.count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double x = static_cast<double>(i) / static_cast<double>(span.count);
    const double wobble =
        1 + tone.vibratoDepth * std::sin(2 * std::numbers::pi * tone.vibratoHz * t);
    const double freq = Sweep(tone.freq, endFreq, x) * wobble;
    double sample = 0;
    for (std::size_t p = 0; p < phases.size(); ++p) {
      const double f = freq * tone.partials[p].ratio;
      if (f < kHighestPartial) sample += tone.partials[p].gain * std::sin(phases[p]);
      phases[p] =
          std::fmod(phases[p] + 2 * std::numbers::pi * f / kSampleRate, 2 * std::numbers::pi);
    }
    out[span.first + i] += tone.gain * tone.envelope.At(t, tone.length) * sample;
  }
}

void AddWhoosh(Signal& out, const Whoosh& whoosh) {
  const Span span = Reserve(out, whoosh.start, whoosh.length);
  Random random(whoosh.seed);
  // A state-variable filter, band-pass output; its gain at the centre is
  // 1 / damping, taken out again here.
  double low = 0, band = 0;
  for (std::size_t i = 0; i < span.count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double x = static_cast<double>(i) / static_cast<double>(span.count);
    const double f =
        2 * std::sin(std::numbers::pi * Sweep(whoosh.fromHz, whoosh.toHz, x) / kSampleRate);
    low += f * band;
    const double high = random.Between(-1, 1) - low - whoosh.damping * band;
    band += f * high;
    out[span.first + i] +=
        whoosh.gain * whoosh.damping * whoosh.envelope.At(t, whoosh.length) * band;
  }
}

}  // namespace quillo::sound
