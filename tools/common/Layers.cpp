#include "Layers.h"

namespace quillo {

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

Bitmap KeyOut(const QImage& layer, Pixel key, const QColor& matte) {
  const QImage argb = layer.convertToFormat(QImage::Format_ARGB32);
  Bitmap cell(argb.width(), argb.height());
  const Pixel plainKey = ColourBits(key);
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
      Pixel p = MakePixel(mix(qRed(in[x]), matte.red()), mix(qGreen(in[x]), matte.green()),
                          mix(qBlue(in[x]), matte.blue()));
      if (p == plainKey) p = MakePixel(Red(p), Green(p), Blue(p) > 0 ? Blue(p) - 1 : 1);
      out[x] = p;
    }
  }
  return cell;
}

}  // namespace quillo
