#include "Photo.h"

#include "effects/core/MorphModel.h"
#include "skin/core/SmoothDraw.h"

namespace morphgen {

using namespace quillo;

Bitmap FaceFrom(const std::string& assetsFolder, const PhotoCrop& crop) {
  Bitmap face(kMorphSize, kMorphSize, kBlankFace);
  CenterDraw(face, {0, 0, kMorphSize, kMorphSize}, CutPhoto(assetsFolder, crop), kBlankFace);
  return face;
}

}  // namespace morphgen
