#include "Reverb.h"

#include <array>
#include <cstddef>

namespace quillo::sound {

namespace {

// Delay lengths in samples at 44.1 kHz, mutually prime so that the echoes do
// not pile up into one pitch.
constexpr std::array<std::size_t, 4> kCombDelays = {1116, 1277, 1422, 1557};
constexpr std::array<std::size_t, 2> kAllPassDelays = {556, 341};
constexpr double kAllPassGain = 0.5;
// How much of each echo's high end the comb's low-pass takes away.
constexpr double kDamping = 0.3;

class Comb {
 public:
  Comb(std::size_t delay, double feedback) : line_(delay, 0.0), feedback_(feedback) {}
  double Process(double in) {
    const double out = line_[pos_];
    filtered_ = out * (1 - kDamping) + filtered_ * kDamping;
    line_[pos_] = in + filtered_ * feedback_;
    pos_ = (pos_ + 1) % line_.size();
    return out;
  }

 private:
  Signal line_;
  double feedback_;
  double filtered_ = 0;
  std::size_t pos_ = 0;
};

class AllPass {
 public:
  explicit AllPass(std::size_t delay) : line_(delay, 0.0) {}
  double Process(double in) {
    const double delayed = line_[pos_];
    const double out = delayed - kAllPassGain * in;
    line_[pos_] = in + kAllPassGain * delayed;
    pos_ = (pos_ + 1) % line_.size();
    return out;
  }

 private:
  Signal line_;
  std::size_t pos_ = 0;
};

}  // namespace

Signal Reverberate(const Signal& dry, const Room& room) {
  const double feedback = 0.55 + 0.3 * room.size;
  std::array<Comb, 4> combs = {Comb(kCombDelays[0], feedback), Comb(kCombDelays[1], feedback),
                               Comb(kCombDelays[2], feedback), Comb(kCombDelays[3], feedback)};
  std::array<AllPass, 2> allPasses = {AllPass(kAllPassDelays[0]), AllPass(kAllPassDelays[1])};
  // The combs' sum rings about 1 / (1 - feedback) times louder than its input.
  const double scale = room.wet * (1 - feedback) / combs.size();
  Signal out(dry.size());
  for (std::size_t i = 0; i < dry.size(); ++i) {
    double wet = 0;
    for (Comb& comb : combs) wet += comb.Process(dry[i]);
    for (AllPass& allPass : allPasses) wet = allPass.Process(wet);
    out[i] = dry[i] + scale * wet;
  }
  return out;
}

}  // namespace quillo::sound
