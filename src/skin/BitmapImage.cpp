#include "BitmapImage.h"

#include <algorithm>

namespace quillo {

QImage WrapImage(const Bitmap& bitmap) {
  if (bitmap.Empty()) return {};
  return QImage(reinterpret_cast<const uchar*>(bitmap.Data()), bitmap.Width(), bitmap.Height(),
                bitmap.Stride(), QImage::Format_RGB32);
}

Bitmap ToBitmap(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  Bitmap out(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* from = reinterpret_cast<const Pixel*>(rgb.constScanLine(y));
    std::transform(from, from + rgb.width(), out.Row(y), [](Pixel p) { return ColourBits(p); });
  }
  return out;
}

}  // namespace quillo
