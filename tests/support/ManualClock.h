#pragma once
// A clock for controls that take their time from a function: it stands still
// until the test moves it, so a test steps through time without waiting.
#include <functional>
#include <memory>

namespace quillo::testing {

class ManualClock {
 public:
  // The reading in milliseconds. Copies of the function share this clock and
  // may outlive it.
  std::function<double()> Function() const {
    return [state = state_] { return state->now += state->stepPerReading; };
  }
  void Advance(double milliseconds) { state_->now += milliseconds; }
  // Every reading first moves the clock on by this much (0 at first), for a
  // control that waits in its own loop until time has passed.
  void SetStepPerReading(double milliseconds) { state_->stepPerReading = milliseconds; }

 private:
  struct State {
    double now = 0;
    double stepPerReading = 0;
  };
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

}  // namespace quillo::testing
