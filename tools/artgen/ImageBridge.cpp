#include "ImageBridge.h"

#include <cstring>

namespace art {

using quillo::Bitmap;
using quillo::Pixel;

QImage NewLayer(int width, int height) {
  QImage layer(width, height, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  return layer;
}

QImage NewCanvas(int width, int height, const QColor& fill) {
  QImage canvas(width, height, QImage::Format_RGB32);
  canvas.fill(fill);
  return canvas;
}

QImage ToImage(const Bitmap& bitmap) {
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
  for (int y = 0; y < bitmap.Height(); ++y) {
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    const Pixel* in = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x) out[x] = 0xFF000000u | quillo::ColourBits(in[x]);
  }
  return image;
}

Bitmap ToBitmap(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  Bitmap bitmap(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    Pixel* out = bitmap.Row(y);
    for (int x = 0; x < rgb.width(); ++x) out[x] = quillo::ColourBits(in[x]);
  }
  return bitmap;
}

Bitmap KeyOut(const QImage& layer, Pixel key, const QColor& matte) {
  const QImage argb = layer.convertToFormat(QImage::Format_ARGB32);
  Bitmap cell(argb.width(), argb.height());
  const Pixel plainKey = quillo::ColourBits(key);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    Pixel* out = cell.Row(y);
    for (int x = 0; x < argb.width(); ++x) {
      const int a = qAlpha(in[x]);
      if (a < 128) {
        out[x] = plainKey;
        continue;
      }
      auto mix = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
      Pixel p = quillo::MakePixel(mix(qRed(in[x]), matte.red()), mix(qGreen(in[x]), matte.green()),
                                  mix(qBlue(in[x]), matte.blue()));
      if (p == plainKey)
        p = quillo::MakePixel(quillo::Red(p), quillo::Green(p),
                              quillo::Blue(p) > 0 ? quillo::Blue(p) - 1 : 1);
      out[x] = p;
    }
  }
  return cell;
}

void Paste(Bitmap& sheet, int left, int top, const Bitmap& cell) {
  sheet.Draw(left, top, cell);
}

}  // namespace art
