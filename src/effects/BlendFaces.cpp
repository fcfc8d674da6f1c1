// The blend screen's two small boxes: each shows its face at half size, the
// selected one with its anchor marked; a press there puts the anchor on that
// face, a double-click starts the blend picture afresh from it.
#include <QPainter>

#include "TBlendForm.h"
#include "skin/TPaintBox.h"

namespace quillo {

namespace {

constexpr int kMarkRadius = 10;
const QColor kMarkColour(255, 0, 0);

// The face stretched over the box; when it carries the anchor, the anchor's
// pixel and a circle around it in red, not filled.
void PaintFace(QWidget* sender, QPainter& canvas, const Bitmap& face, bool marked, int anchorX,
               int anchorY) {
  PaintStretched(face)(sender, canvas);
  if (!marked) return;
  const QPoint anchor(anchorX / 2, anchorY / 2);
  canvas.setRenderHint(QPainter::Antialiasing, false);
  canvas.setPen(kMarkColour);
  canvas.setBrush(Qt::NoBrush);
  canvas.drawPoint(anchor);
  canvas.drawEllipse(anchor, kMarkRadius, kMarkRadius);
}

}  // namespace

void TBlendForm::PaintBox1Paint(QWidget* sender, QPainter& canvas) const {
  PaintFace(sender, canvas, Blend.LeftFace(), Blend.SelectedFace() == 1, Blend.AnchorX(),
            Blend.AnchorY());
}

void TBlendForm::PaintBox2Paint(QWidget* sender, QPainter& canvas) const {
  PaintFace(sender, canvas, Blend.RightFace(), Blend.SelectedFace() == 2, Blend.AnchorX(),
            Blend.AnchorY());
}

void TBlendForm::PaintBox1MouseDown(int x, int y) {
  ChooseAnchor(1, x, y);
}

void TBlendForm::PaintBox2MouseDown(int x, int y) {
  ChooseAnchor(2, x, y);
}

void TBlendForm::ChooseAnchor(int face, int x, int y) {
  // The boxes show the faces at half size.
  Blend.ChooseAnchor(face, 2 * x, 2 * y);
  if (!parts_) return;
  parts_->PaintBox1.update();
  parts_->PaintBox2.update();
}

void TBlendForm::PaintBox1DblClick() {
  Restart(1);
}

void TBlendForm::PaintBox2DblClick() {
  Restart(2);
}

void TBlendForm::Restart(int face) {
  if (!parts_) return;
  Recorded([&] {
    Blend.Restart(face);
    parts_->PaintBox.Tag = face;
  });
  parts_->PaintBox.update();
}

}  // namespace quillo
