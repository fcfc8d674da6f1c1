// The morph screen's boxes: the two small ones show their picture with the
// control lines and edit the lines under the mouse; the centre box shows the
// display picture.
#include <QPaintEngine>
#include <QPainter>
#include <QToolTip>
#include <optional>

#include "TMorphForm.h"
#include "skin/BitmapImage.h"
#include "skin/QtRect.h"
#include "skin/TGraphicSlider.h"
#include "skin/TPaintBox.h"

namespace quillo {

namespace {

const QColor kLineColor(0, 0, 0);
const QColor kHotLineColor(255, 0, 0);
const QColor kStartColor(255, 255, 0);
const QColor kEndColor(0, 255, 0);
const QString kFullHint = QStringLiteral("A morph holds at most %1 lines").arg(kMaxLines);

QPoint Pixel(RealPoint p) {
  return {WholePixel(p.x), WholePixel(p.y)};
}

// The disc at an end of a line: filled with the end's colour and outlined in
// the line's, as a transparent picture to stamp centred on the end. With a
// thousand lines stamping is much faster than drawing each disc afresh.
QImage Marker(const QColor& pen, const QColor& fill) {
  QImage image(2 * kMarkerRadius, 2 * kMarkerRadius, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setPen(pen);
  painter.setBrush(fill);
  painter.drawRoundedRect(QRect(0, 0, 2 * kMarkerRadius - 1, 2 * kMarkerRadius - 1), kMarkerRadius,
                          kMarkerRadius);
  return image;
}

struct Markers {
  QImage start, end;
};

const Markers& MarkersOf(bool hot) {
  static const Markers plain{Marker(kLineColor, kStartColor), Marker(kLineColor, kEndColor)};
  static const Markers red{Marker(kHotLineColor, kStartColor), Marker(kHotLineColor, kEndColor)};
  return hot ? red : plain;
}

// The part of the box this paint covers, in the box's pixels; empty when
// the whole box is painted.
QRegion PaintedRegion(const QPainter& canvas) {
  const QPaintEngine* engine = canvas.paintEngine();
  if (!engine || engine->systemClip().isEmpty()) return {};
  return canvas.deviceTransform().inverted().map(engine->systemClip());
}

// The picture unscaled at the box's corner, then every line in the order
// drawn: the hot one red, the others black, each with a yellow disc at its
// start and a green one at its end. Lines wholly outside the part being
// painted are left out.
void PaintPicture(QPainter& canvas, const MorphModel& morph, MorphPicture picture, int hotLine) {
  const bool one = picture == MorphPicture::One;
  canvas.drawImage(0, 0, WrapImage(one ? morph.SourceBitmap1() : morph.SourceBitmap2()));
  const QRegion painted = PaintedRegion(canvas);
  for (int i = 0; i < morph.LineCount(); ++i) {
    const MorphLine& line = morph.Lines()[i];
    if (!painted.isEmpty() && !painted.intersects(ToQRect(LineArea(line, picture)))) continue;
    const QPoint start = Pixel(one ? line.Start1 : line.Start2);
    const QPoint end = Pixel(one ? line.End1 : line.End2);
    const bool hot = i == hotLine;
    canvas.setPen(hot ? kHotLineColor : kLineColor);
    canvas.drawLine(start, end);
    const Markers& markers = MarkersOf(hot);
    canvas.drawImage(start - QPoint(kMarkerRadius, kMarkerRadius), markers.start);
    canvas.drawImage(end - QPoint(kMarkerRadius, kMarkerRadius), markers.end);
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
  // A line's edit, from the press to the release, is one undoable step.
  if (!Editing.Drawing && Editing.DragHandle == dhNone)
    recorder_.Begin(Morph, parts_->TrackBar.Value());
  const std::optional<MorphLine> before = HotLineNow();
  const MorphPicture picture = sender == &parts_->PaintBox1 ? MorphPicture::One : MorphPicture::Two;
  const EditOutcome outcome = Editing.MouseDown(Morph, picture, ToEditButton(button), x, y);
  if (outcome.lineRefused) QToolTip::showText(sender->mapToGlobal(QPoint(x, y)), kFullHint, sender);
  Repaint(outcome, before);
  UpdateHints();
}

void TMorphForm::PaintBoxMouseMove(TPaintBox* sender, int x, int y) {
  if (!parts_) return;
  const std::optional<MorphLine> before = HotLineNow();
  const MorphPicture picture = sender == &parts_->PaintBox1 ? MorphPicture::One : MorphPicture::Two;
  Repaint(Editing.MouseMove(Morph, picture, x, y), before);
}

void TMorphForm::PaintBoxMouseUp() {
  Repaint(Editing.MouseUp(), HotLineNow());
  EndRecording();
}

std::optional<MorphLine> TMorphForm::HotLineNow() const {
  if (Editing.HotLine < 0 || Editing.HotLine >= Morph.LineCount()) return std::nullopt;
  return Morph.Lines()[Editing.HotLine];
}

// Only the hot line changes with an edit: where it was before and where the
// hot line lies now are painted again. The centre box waits for the slider.
void TMorphForm::Repaint(EditOutcome boxes, const std::optional<MorphLine>& before) {
  if (!parts_) return;
  const std::optional<MorphLine> after = HotLineNow();
  const struct {
    bool changed;
    TPaintBox& box;
    MorphPicture picture;
  } pictures[] = {{boxes.box1, parts_->PaintBox1, MorphPicture::One},
                  {boxes.box2, parts_->PaintBox2, MorphPicture::Two}};
  for (const auto& p : pictures) {
    if (!p.changed) continue;
    QRegion changed;
    for (const std::optional<MorphLine>& line : {before, after})
      if (line) changed += ToQRect(LineArea(*line, p.picture));
    p.box.update(changed);
  }
}

void TMorphForm::UpdateHints() {
  if (!parts_) return;
  const QString hint = Morph.LineCount() >= kMaxLines ? kFullHint : QString();
  parts_->PaintBox1.setToolTip(hint);
  parts_->PaintBox2.setToolTip(hint);
}

}  // namespace quillo
