#include "Photos.h"

#include "common/PhotoCrops.h"
#include "skin/core/SmoothDraw.h"

namespace art {

Photos LoadPhotos(const std::string& assetsFolder) {
  return {quillo::CutPhoto(assetsFolder, quillo::kAstronautPortrait),
          quillo::CutPhoto(assetsFolder, quillo::kCatFace)};
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
