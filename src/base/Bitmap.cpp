#include "Bitmap.h"

#include <algorithm>

#include "Error.h"

namespace quillo {

bool IsAcceptableSize(std::int64_t width, std::int64_t height) {
  return width >= 0 && height >= 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

Bitmap::Bitmap(int width, int height, Pixel fill) {
  SetSize(width, height, fill);
}

void Bitmap::SetSize(int width, int height, Pixel fill) {
  if (!IsAcceptableSize(width, height)) throw Error("Picture size out of range");
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * height, fill);
}

void Bitmap::Fill(Pixel p) {
  std::fill(pixels_.begin(), pixels_.end(), p);
}

void Bitmap::FillRect(Rect r, Pixel p) {
  const Rect c = r.ClampedTo(width_, height_);
  if (c.IsEmpty()) return;
  for (int y = c.top; y < c.bottom; ++y) std::fill(Row(y) + c.left, Row(y) + c.right, p);
}

void Bitmap::Draw(int left, int top, const Bitmap& source) {
  const Rect c = RectOfSize(left, top, source.Width(), source.Height()).ClampedTo(width_, height_);
  if (c.IsEmpty()) return;
  for (int y = c.top; y < c.bottom; ++y) {
    const Pixel* from = source.Row(y - top) + (c.left - left);
    std::copy(from, from + c.Width(), Row(y) + c.left);
  }
}

Bitmap Bitmap::Copy(Rect r) const {
  const Rect c = r.ClampedTo(width_, height_);
  if (c.IsEmpty()) return {};
  Bitmap out(c.Width(), c.Height());
  for (int y = c.top; y < c.bottom; ++y)
    std::copy(Row(y) + c.left, Row(y) + c.right, out.Row(y - c.top));
  return out;
}

}  // namespace quillo
