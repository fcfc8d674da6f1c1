#include "BitmapImage.h"

#include <algorithm>

namespace quillo {

QImage WrapImage(const Bitmap& bitmap) {
  if (bitmap.Empty()) return {};
  return QImage(reinterpret_cast<const uchar*>(bitmap.Data()), bitmap.Width(), bitmap.Height(),
                bitmap.Stride(), QImage::Format_RGB32);
}

QImage PaintableImage(Bitmap& bitmap) {
  if (bitmap.Empty()) return {};
  return QImage(reinterpret_cast<uchar*>(bitmap.Data()), bitmap.Width(), bitmap.Height(),
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

QImage ToImage(const Bitmap& bitmap) {
  if (bitmap.Empty()) return {};
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const Pixel* from = bitmap.Row(y);
    std::transform(from, from + bitmap.Width(), reinterpret_cast<Pixel*>(image.scanLine(y)),
                   [](Pixel p) { return 0xFF000000u | ColourBits(p); });
  }
  return image;
}

}  // namespace quillo
