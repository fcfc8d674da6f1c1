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
  Blend.BeginStroke(x, y);
  Dab(shift, x, y);
}

void TBlendForm::PaintBoxMouseMove(Qt::MouseButtons shift, int x, int y) {
  if (Blend.Painting()) Dab(shift, x, y);
}

void TBlendForm::PaintBoxMouseUp() {
  Blend.EndStroke();
}

void TBlendForm::Dab(Qt::MouseButtons shift, int x, int y) {
  if (!parts_) return;
  // The base face is the one the blend picture was last started from.
  const int baseFace = parts_->PaintBox.Tag == 1 ? 1 : 2;
  const int source = shift.testFlag(Qt::LeftButton) ? Blend.SelectedFace() : baseFace;
  Blend.Dab(source, shift.testFlag(Qt::RightButton), x, y);
  parts_->PaintBox.update();
}

}  // namespace quillo
