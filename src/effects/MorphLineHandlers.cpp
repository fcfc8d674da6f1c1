// The morph screen's boxes: the two small ones show their picture with the
// control lines and edit the lines under the mouse; the centre box shows the
// display picture.
#include <QPainter>
#include <QToolTip>

#include "TMorphForm.h"
#include "skin/BitmapImage.h"
#include "skin/TPaintBox.h"

namespace quillo {

namespace {

const QColor kLineColor(0, 0, 0);
const QColor kHotLineColor(255, 0, 0);
const QColor kStartColor(255, 255, 0);
const QColor kEndColor(0, 255, 0);
constexpr int kMarkerRadius = 3;
const QString kFullHint = QStringLiteral("A morph holds at most %1 lines").arg(kMaxLines);

QPoint Pixel(RealPoint p) {
  return {WholePixel(p.x), WholePixel(p.y)};
}

// A small disc filled with the colour and outlined with the current pen.
void DrawMarker(QPainter& canvas, QPoint at, const QColor& fill) {
  canvas.setBrush(fill);
  canvas.drawRoundedRect(QRect(at.x() - kMarkerRadius, at.y() - kMarkerRadius,
                               2 * kMarkerRadius - 1, 2 * kMarkerRadius - 1),
                         kMarkerRadius, kMarkerRadius);
}

// The picture unscaled at the box's corner, then every line in the order
// drawn: the hot one red, the others black, each with a yellow disc at its
// start and a green one at its end.
void PaintPicture(QPainter& canvas, const MorphModel& morph, MorphPicture picture, int hotLine) {
  const bool one = picture == MorphPicture::One;
  canvas.drawImage(0, 0, WrapImage(one ? morph.SourceBitmap1 : morph.SourceBitmap2));
  for (int i = 0; i < morph.LineCount; ++i) {
    const MorphLine& line = morph.Lines[i];
    const QPoint start = Pixel(one ? line.Start1 : line.Start2);
    const QPoint end = Pixel(one ? line.End1 : line.End2);
    canvas.setPen(i == hotLine ? kHotLineColor : kLineColor);
    canvas.drawLine(start, end);
    DrawMarker(canvas, start, kStartColor);
    DrawMarker(canvas, end, kEndColor);
  }
}

EditButton ToEditButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return EditButton::Left;
    case Qt::RightButton:
      return EditButton::Right;
    default:
      return EditButton::Other;
  }
}

}  // namespace

void TMorphForm::PaintBox1Paint(QPainter& canvas) const {
  PaintPicture(canvas, Morph, MorphPicture::One, Editing.HotLine);
}

void TMorphForm::PaintBox2Paint(QPainter& canvas) const {
  PaintPicture(canvas, Morph, MorphPicture::Two, Editing.HotLine);
}

void TMorphForm::PaintBoxPaint(QPainter& canvas) const {
  canvas.drawImage(0, 0, WrapImage(DisplayBitmap));
}

void TMorphForm::PaintBoxMouseDown(TPaintBox* sender, Qt::MouseButton button, int x, int y) {
  if (!parts_) return;
  const MorphPicture picture = sender == &parts_->PaintBox1 ? MorphPicture::One : MorphPicture::Two;
  const EditOutcome outcome = Editing.MouseDown(Morph, picture, ToEditButton(button), x, y);
  if (outcome.lineRefused) QToolTip::showText(sender->mapToGlobal(QPoint(x, y)), kFullHint, sender);
  Repaint(outcome);
}

void TMorphForm::PaintBoxMouseMove(TPaintBox* sender, int x, int y) {
  if (!parts_) return;
  const MorphPicture picture = sender == &parts_->PaintBox1 ? MorphPicture::One : MorphPicture::Two;
  Repaint(Editing.MouseMove(Morph, picture, x, y));
}

void TMorphForm::PaintBoxMouseUp() {
  Repaint(Editing.MouseUp());
}

// Editing changes only the small boxes; the centre box waits for the slider.
void TMorphForm::Repaint(EditOutcome boxes) {
  if (!parts_) return;
  if (boxes.box1) parts_->PaintBox1.update();
  if (boxes.box2) parts_->PaintBox2.update();
  UpdateHints();
}

void TMorphForm::UpdateHints() {
  if (!parts_) return;
  const QString hint = Morph.LineCount >= kMaxLines ? kFullHint : QString();
  parts_->PaintBox1.setToolTip(hint);
  parts_->PaintBox2.setToolTip(hint);
}

}  // namespace quillo
