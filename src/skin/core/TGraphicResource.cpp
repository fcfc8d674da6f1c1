#include "TGraphicResource.h"

#include "PictureHolder.h"
#include "SystemColors.h"
#include "TGraphicNotificator.h"

namespace quillo {

namespace {

// Stores v and notifies when it differs from the stored value.
template <class T>
void Store(TGraphicResource& r, T& field, T v) {
  if (field == v) return;
  field = v;
  r.Changed();
}

}  // namespace

TGraphicResource::TGraphicResource(int autoNormal, int autoPressed)
    : AutoNormal(autoNormal), AutoPressed(autoPressed) {
  TGraphicNotificator::Instance().Add(this);
}

TGraphicResource::~TGraphicResource() {
  TGraphicNotificator::Instance().Remove(this);
}

void TGraphicResource::SetRows(int v) {
  Store(*this, rows_, v);
}
void TGraphicResource::SetCols(int v) {
  Store(*this, cols_, v);
}
void TGraphicResource::SetLeft(int v) {
  Store(*this, left_, v);
}
void TGraphicResource::SetTop(int v) {
  Store(*this, top_, v);
}
void TGraphicResource::SetWidth(int v) {
  Store(*this, width_, v);
}
void TGraphicResource::SetHeight(int v) {
  Store(*this, height_, v);
}
void TGraphicResource::SetIndex(int v) {
  Store(*this, index_, v);
}
void TGraphicResource::SetColor(ColorRef v) {
  Store(*this, color_, v);
}
void TGraphicResource::SetImage(const PictureHolder* v) {
  Store(*this, image_, v);
}

void TGraphicResource::Changed() {
  if (OnChange) OnChange(this);
}

Rect TGraphicResource::CellRect(int controlWidth, int controlHeight) const {
  const int w = width_ != 0 ? width_ : controlWidth;
  const int h = height_ != 0 ? height_ : controlHeight;
  const int cols = cols_ > 0 ? cols_ : 1;  // a layout always sets at least one
  return RectOfSize(left_ + w * (index_ % cols), top_ + h * (index_ / cols), w, h);
}

Pixel TGraphicResource::KeyPixel() const {
  return KeyPixelOf(color_);
}

void TGraphicResource::PointerEntered() {
  if (AutoEnter != -1) SetIndex(AutoEnter);
}
void TGraphicResource::PointerLeft() {
  if (AutoLeave != -1) SetIndex(AutoLeave);
}
void TGraphicResource::LeftPressed() {
  if (AutoPressed != -1) SetIndex(AutoPressed);
}
void TGraphicResource::LeftReleased() {
  if (AutoNormal != -1) SetIndex(AutoNormal);
}

ResourceLayout TGraphicResource::Layout() const {
  return {AutoNormal,
          AutoPressed,
          AutoEnter,
          AutoLeave,
          rows_,
          cols_,
          left_,
          top_,
          width_,
          height_,
          index_,
          color_,
          image_ ? std::string_view(image_->Name()) : std::string_view()};
}

void TGraphicResource::Load(const ResourceLayout& layout, const PictureHolder* image) {
  AutoNormal = layout.autoNormal;
  AutoPressed = layout.autoPressed;
  AutoEnter = layout.autoEnter;
  AutoLeave = layout.autoLeave;
  SetRows(layout.rows);
  SetCols(layout.cols);
  SetLeft(layout.left);
  SetTop(layout.top);
  SetWidth(layout.width);
  SetHeight(layout.height);
  SetIndex(layout.index);
  SetColor(layout.color);
  SetImage(image);
}

}  // namespace quillo
