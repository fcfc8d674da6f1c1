#pragma once
// The undoable changes of the mirror window: a warp stroke, a move of a
// mirror's centre, a mirror or strength chosen on the sliders, a new face.
// Each records the settings before and after (the sliders, the mirror and
// its centre) and only the part of the displacement field it altered.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "WarpModel.h"
#include "base/Rect.h"
#include "base/UndoHistory.h"

namespace quillo {

// What the Warping and Mirrors screens show besides the face and the field.
struct MirrorSettings {
  int leftSlider = 0;
  int rightSlider = 0;
  int tag = WarpField;
  int centerX = 0;
  int centerY = 0;
  bool operator==(const MirrorSettings&) const = default;
};

// The smallest rectangle of the field holding every element that differs,
// bit for bit, between two fields, with both versions of it.
class FieldPatch {
 public:
  // Nothing when the fields are the same. Both fields are 320 x 320.
  static std::optional<FieldPatch> Between(const std::vector<double>& beforeX,
                                           const std::vector<double>& beforeY,
                                           const std::vector<double>& afterX,
                                           const std::vector<double>& afterY);
  void ApplyBefore(WarpModel& model) const { model.PatchField(rect_, beforeX_, beforeY_); }
  void ApplyAfter(WarpModel& model) const { model.PatchField(rect_, afterX_, afterY_); }
  std::size_t Bytes() const { return 4 * beforeX_.size() * sizeof(double); }

 private:
  Rect rect_;
  std::vector<double> beforeX_, beforeY_, afterX_, afterY_;
};

// Puts settings back on the screen: the sliders, the mirror, its centre, and
// a fresh render.
using ApplyMirrorSettings = std::function<void(const MirrorSettings&)>;

// Records one change of the mirror window: Begin before it, End after it.
class MirrorWindowRecorder {
 public:
  // withFace: the change may replace the face too (a new face).
  void Begin(const WarpModel& model, const MirrorSettings& settings, bool withFace = false);
  bool Recording() const { return recording_; }
  // The step from Begin to now, or nothing when nothing changed (or Begin
  // was not called).
  std::unique_ptr<UndoStep> End(WarpModel& model, const MirrorSettings& settings,
                                ApplyMirrorSettings apply);
  // Whether the step End gave changed the face or the field.
  bool ChangedFaceOrField() const { return changedFaceOrField_; }

 private:
  bool recording_ = false;
  bool changedFaceOrField_ = false;
  bool withFace_ = false;
  MirrorSettings before_;
  std::vector<double> shiftX_, shiftY_;  // the field at Begin
  Bitmap face_;                          // the face at Begin, when withFace
  std::shared_ptr<const Bitmap> photo_;  // and its photo
};

}  // namespace quillo
