#pragma once
// The one timer of a graphic button and what it is doing: idle, repeating a
// held press, fading the transparency or cycling the cells. Starting one mode
// replaces the other. The control runs a real timer at Interval() while
// Running() and calls Tick() on every expiry; tests call Tick() themselves,
// which makes the timing exact without waiting.
namespace quillo {

class ButtonTimer {
 public:
  enum class Mode { Idle, Repeat, Fade, Cycle };

  // What a tick asks the control to do.
  enum class Action {
    None,
    Repeat,        // call the mouse-down callback again
    Transparency,  // show the new transparency (NewTransparency())
    NextCell,      // show the next cell (NextIndex())
  };

  Mode CurrentMode() const { return mode_; }
  bool Running() const { return mode_ != Mode::Idle; }
  int Interval() const { return interval_; }

  // A left press with auto-repeat every repeatMs (> 0): the first repeat
  // comes after 4 x repeatMs, then one every repeatMs.
  void StartRepeat(int repeatMs);
  // Fading from one transparency to another by |step| every 50 ms.
  void StartFade(int from, int to, int step);
  // Cycling cells first..last every intervalMs.
  void StartCycle(int first, int last, int intervalMs);
  void Stop() { mode_ = Mode::Idle; }

  // Advances one expiry; index is the cell shown now (for cycling).
  Action Tick(int index);
  int NewTransparency() const { return transparency_; }
  int NextIndex() const { return nextIndex_; }

 private:
  Mode mode_ = Mode::Idle;
  int interval_ = 0;
  int repeatMs_ = 0;
  int transparency_ = 0;
  int target_ = 0;
  int step_ = 0;
  int first_ = 0;
  int last_ = 0;
  int nextIndex_ = 0;
};

}  // namespace quillo
