// Painting in the blend picture: a dab on the press and on every move while
// a button is down. The left button clones the selected face with its anchor
// at the pressed point, the same shift for the whole stroke; the right one
// blends the base face back in place.
#include <QPainter>

#include "TBlendForm.h"
#include "skin/BitmapImage.h"
#include "skin/TPaintBox.h"

namespace quillo {

void TBlendForm::PaintBoxPaint(QPainter& canvas) const {
  canvas.drawImage(0, 0, WrapImage(Blend.BlendBitmap()));
}

void TBlendForm::PaintBoxMouseDown(Qt::MouseButtons shift, int x, int y) {
  // The stroke, from its press to its release, is one undoable step.
  if (!Blend.Painting() && parts_) recorder_.Begin(Blend, BaseFace());
  Blend.BeginStroke(x, y);
  Dab(shift, x, y);
}

void TBlendForm::PaintBoxMouseMove(Qt::MouseButtons shift, int x, int y) {
  if (Blend.Painting()) Dab(shift, x, y);
}

void TBlendForm::PaintBoxMouseUp() {
  Blend.EndStroke();
  EndRecording();
}

void TBlendForm::Dab(Qt::MouseButtons shift, int x, int y) {
  if (!parts_) return;
  const int source = shift.testFlag(Qt::LeftButton) ? Blend.SelectedFace() : BaseFace();
  Blend.Dab(source, shift.testFlag(Qt::RightButton), x, y);
  parts_->PaintBox.update();
}

int TBlendForm::BaseFace() const {
  // The base face is the one the blend picture was last started from.
  return parts_ && parts_->PaintBox.Tag != 1 ? 2 : 1;
}

void TBlendForm::Recorded(const std::function<void()>& change) {
  if (!parts_) return change();
  recorder_.Begin(Blend, BaseFace());
  try {
    change();
  } catch (...) {
    EndRecording();  // what did change, if anything, can still be undone
    throw;
  }
  EndRecording();
}

void TBlendForm::EndRecording() {
  if (!parts_ || !recorder_.Recording()) return;
  std::unique_ptr<UndoStep> step =
      recorder_.End(Blend, BaseFace(), [this](int base) { ShowRestored(base); });
  if (step && parts_->Record) parts_->Record(std::move(step));
}

void TBlendForm::ShowRestored(int baseFace) {
  if (!parts_) return;
  parts_->PaintBox.Tag = baseFace;
  for (TPaintBox* box : {&parts_->PaintBox, &parts_->PaintBox1, &parts_->PaintBox2}) box->update();
}

}  // namespace quillo
