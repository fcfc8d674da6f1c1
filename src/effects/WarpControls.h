#pragma once
// What the mirror window reads from and tells the controls beside it: the two
// sliders' values, which every paint renders with, and the changes it makes
// to them (the warp scale back at full, the settling of the view, the values
// an undo puts back), and where its changes are recorded.
#include <memory>

#include "base/UndoHistory.h"

namespace quillo {

class WarpControls {
 public:
  virtual ~WarpControls() = default;

  // The left slider (mirror strength x 10) and the right one (warp scale x 10).
  virtual int LeftSliderValue() const = 0;
  virtual int RightSliderValue() const = 0;

  // The warp scale goes back to full (the right slider to 10): after a new
  // face, and after a press made the field hold what was shown.
  virtual void ResetWarpScale() = 0;

  // A quick preview is about to be painted: the settling stops, and starts
  // again once the preview is shown, so the smooth view follows when the
  // changes rest.
  virtual void PauseSettling() = 0;
  virtual void RestartSettling() = 0;

  // Puts both sliders at recorded values (an undo or redo).
  virtual void RestoreSliders(int left, int right) = 0;
  // Takes a change of the mirror window into the current screen's history;
  // faceOrField: it changed the face or the displacement field.
  virtual void Record(std::unique_ptr<UndoStep> step, bool faceOrField) = 0;
};

}  // namespace quillo
