#include "Photos.h"

#include <QImage>

#include "ImageBridge.h"
#include "base/Error.h"
#include "skin/core/SmoothDraw.h"

namespace art {

namespace {

quillo::Bitmap Load(const std::string& path) {
  QImage image;
  if (!image.load(QString::fromStdString(path)))
    throw quillo::Error("Cannot read photograph " + path);
  return ToBitmap(image);
}

}  // namespace

Photos LoadPhotos(const std::string& assetsFolder) {
  const quillo::Bitmap astronaut = Load(assetsFolder + "/astronaut.png");
  const quillo::Bitmap cat = Load(assetsFolder + "/chelsea.png");
  // Squares around each face: the astronaut's head sits high in her 512 x 512
  // portrait, the cat's face fills the middle of its 451 x 300 picture.
  return {astronaut.Copy(quillo::RectOfSize(100, 0, 256, 256)),
          cat.Copy(quillo::RectOfSize(95, 0, 300, 300))};
}

quillo::Bitmap DefaultFace(const Photos& photos) {
  quillo::Bitmap face(320, 320);
  quillo::SmoothDraw(face, quillo::RectOfSize(0, 0, 320, 320), photos.astronaut);
  return face;
}

quillo::Bitmap BlendFace(const quillo::Bitmap& face) {
  quillo::Bitmap out(290, 290);
  quillo::CenterDraw(out, quillo::RectOfSize(0, 0, 290, 290), face, quillo::kWhite);
  return out;
}

}  // namespace art
