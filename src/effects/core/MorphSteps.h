#pragma once
// The undoable changes of the morph screen: a line drawn, an end dragged, a
// line deleted, a face replaced (which takes all lines with it), a morph file
// opened. Each keeps the lines before and after, and of the faces only the
// pixels that changed, with the slider's position.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "MorphModel.h"
#include "base/BitmapPatch.h"
#include "base/UndoHistory.h"

namespace quillo {

// Shows the restored morph: the slider at `position`, and the frame computed
// afresh when the faces (or the position) changed; the lines alone are only
// redrawn, as editing them never recomputes the frame.
using ApplyMorph = std::function<void(int position, bool recompute)>;

// Records one change of the morph: Begin before it, End after it.
class MorphRecorder {
 public:
  void Begin(const MorphModel& model, int position);
  bool Recording() const { return recording_; }
  // The step from Begin to now, or nothing when nothing changed.
  std::unique_ptr<UndoStep> End(MorphModel& model, int position, ApplyMorph apply);

 private:
  bool recording_ = false;
  int position_ = 0;
  std::vector<MorphLine> lines_;
  std::array<Bitmap, 2> faces_;
  std::array<BmpExtraHeader, 2> headers_{};
};

// The lines in use, in order.
std::vector<MorphLine> LinesOf(const MorphModel& model);

}  // namespace quillo
