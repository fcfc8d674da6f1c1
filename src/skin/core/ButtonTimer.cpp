#include "ButtonTimer.h"

#include <cstdlib>

namespace quillo {

void ButtonTimer::StartRepeat(int repeatMs) {
  mode_ = Mode::Repeat;
  repeatMs_ = repeatMs;
  interval_ = 4 * repeatMs;
}

void ButtonTimer::StartFade(int from, int to, int step) {
  mode_ = Mode::Fade;
  interval_ = 50;
  transparency_ = from;
  target_ = to;
  step_ = to > from ? std::abs(step) : -std::abs(step);
}

void ButtonTimer::StartCycle(int first, int last, int intervalMs) {
  mode_ = Mode::Cycle;
  interval_ = intervalMs;
  first_ = first;
  last_ = last;
}

ButtonTimer::Action ButtonTimer::Tick(int index) {
  switch (mode_) {
    case Mode::Idle:
      return Action::None;
    case Mode::Repeat:
      interval_ = repeatMs_;
      return Action::Repeat;
    case Mode::Fade:
      transparency_ += step_;
      if ((step_ > 0 && transparency_ >= target_) || (step_ < 0 && transparency_ <= target_)) {
        transparency_ = target_;
        mode_ = Mode::Idle;
      }
      return Action::Transparency;
    case Mode::Cycle:
      nextIndex_ = index + 1 > last_ ? first_ : index + 1;
      return Action::NextCell;
  }
  return Action::None;
}

}  // namespace quillo
