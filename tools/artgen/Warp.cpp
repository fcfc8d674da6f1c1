#include "Warp.h"

#include <cmath>

namespace art {

namespace {

QRgb At(const QImage& image, int x, int y) {
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return 0;
  return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

QRgb Sample(const QImage& image, double x, double y) {
  const double fx = x - 0.5, fy = y - 0.5;
  const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
  const double wx = fx - x0, wy = fy - y0;
  const QRgb p[4] = {At(image, x0, y0), At(image, x0 + 1, y0), At(image, x0, y0 + 1),
                     At(image, x0 + 1, y0 + 1)};
  const double w[4] = {(1 - wx) * (1 - wy), wx * (1 - wy), (1 - wx) * wy, wx * wy};
  double c[4] = {0, 0, 0, 0};
  for (int i = 0; i < 4; ++i) {
    c[0] += qRed(p[i]) * w[i];
    c[1] += qGreen(p[i]) * w[i];
    c[2] += qBlue(p[i]) * w[i];
    c[3] += qAlpha(p[i]) * w[i];
  }
  auto q = [](double v) { return static_cast<int>(std::lround(v)); };
  return qRgba(q(c[0]), q(c[1]), q(c[2]), q(c[3]));
}

}  // namespace

QImage Warp(const QImage& source, const Fetch& fetch) {
  const QImage src = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage out(src.size(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QPointF s = fetch(x + 0.5, y + 0.5);
      row[x] = Sample(src, s.x(), s.y());
    }
  }
  return out;
}

}  // namespace art
