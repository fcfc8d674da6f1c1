#include "Photo.h"

#include "base/Error.h"
#include "effects/core/MorphModel.h"
#include "skin/core/SmoothDraw.h"

namespace morphgen {

using namespace quillo;

Bitmap ToBitmap(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  Bitmap out(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x)
      out.At(x, y) = MakePixel(qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
  }
  return out;
}

Bitmap LoadPhoto(const std::string& path) {
  QImage image;
  if (!image.load(QString::fromStdString(path))) throw Error("Cannot open file " + path);
  return ToBitmap(image);
}

Bitmap FaceFrom(const Bitmap& photo, Rect part) {
  Bitmap face(kMorphSize, kMorphSize, kBlankFace);
  CenterDraw(face, {0, 0, kMorphSize, kMorphSize}, photo.Copy(part), kBlankFace);
  return face;
}

}  // namespace morphgen
