#include "TGraphicSlider.h"

#include <QMouseEvent>
#include <algorithm>

#include "base/Handler.h"
#include "skin/core/CellBlend.h"
#include "skin/core/CellPicture.h"

namespace quillo {

TGraphicSlider::TGraphicSlider(QWidget* parent) : TGraphicButton(parent) {}

void TGraphicSlider::SetMin(int v) {
  if (v == min_) return;
  min_ = v;
  update();
}

void TGraphicSlider::SetMax(int v) {
  if (v == max_) return;
  max_ = v;
  update();
}

void TGraphicSlider::SetValue(int v) {
  if (v == value_) return;
  value_ = std::min(std::max(v, min_), max_);
  if (OnChange) RunHandler([this] { OnChange(this); });
  update();
}

SliderShape TGraphicSlider::Shape() const {
  return {width(), height(), Resource.Width(), Resource.Height(), min_, max_};
}

Rect TGraphicSlider::GetValueRect() const {
  if (!Resource.Image()) return RectOfSize(0, 0, Resource.Width(), Resource.Height());
  return ThumbRect(Shape(), value_);
}

Bitmap TGraphicSlider::Compose() {
  EnsureBackground();
  Bitmap out(width(), height());
  out.Draw(0, 0, Background());
  const Rect thumbCell = Resource.ThumbCell();
  Bitmap thumb(std::max(thumbCell.Width(), 0), std::max(thumbCell.Height(), 0));
  if (const Bitmap* sheet = Sheet())
    thumb = CutCell(*sheet, thumbCell, thumb.Width(), thumb.Height());
  DrawCaption(thumb);
  CallOnPaint(out);
  const Rect r = GetValueRect();
  BlendCell(out, thumb, r.left, r.top, Resource.KeyPixel(), Transparency(), SheetHasAlpha());
  return out;
}

void TGraphicSlider::Drag(QMouseEvent* event, QPoint at) {
  if (dragging_ && Resource.Image()) SetValue(ValueAtPointer(Shape(), at.x(), at.y()));
  if (OnMouseMove) RunHandler([&] { OnMouseMove(this, event->modifiers(), at.x(), at.y()); });
}

void TGraphicSlider::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const Rect r = GetValueRect();
  if (p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom) {
    if (event->button() == Qt::LeftButton) dragging_ = true;
    Drag(event, p);
  }
  TGraphicButton::mousePressEvent(event);
}

void TGraphicSlider::mouseMoveEvent(QMouseEvent* event) {
  Drag(event, event->position().toPoint());
}

void TGraphicSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
  TGraphicButton::mouseReleaseEvent(event);
}

}  // namespace quillo
