#pragma once
// The undoable changes of the blend screen: a stroke, a fresh start from a
// face, a picture loaded into a face or the blend picture. Each keeps only
// the pixels it changed of each picture, and the base face before and after.
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "BlendModel.h"
#include "base/BitmapPatch.h"
#include "base/UndoHistory.h"

namespace quillo {

// Shows a base face (1 left, 2 right) and the restored pictures on the screen.
using ApplyBlendBase = std::function<void(int baseFace)>;

// Records one change of the blend screen: Begin before it, End after it.
class BlendRecorder {
 public:
  void Begin(const BlendModel& model, int baseFace);
  bool Recording() const { return recording_; }
  // The step from Begin to now, or nothing when nothing changed.
  std::unique_ptr<UndoStep> End(BlendModel& model, int baseFace, ApplyBlendBase apply);

 private:
  bool recording_ = false;
  int baseFace_ = 1;
  std::array<Bitmap, 3> pictures_;  // left, right, blend at Begin
};

}  // namespace quillo
