#pragma once
// The faces of the data folder, cut from the free photographs in assets/
// (common/PhotoCrops.h).
#include <string>

#include "base/Bitmap.h"

namespace art {

struct Photos {
  quillo::Bitmap astronaut;  // the astronaut's portrait: head and shoulders, square
  quillo::Bitmap cat;        // the cat's face, square
};

// Cuts both faces; throws quillo::Error when a photograph is missing.
Photos LoadPhotos(const std::string& assetsFolder);

// default.bmp: the astronaut scaled to 320 x 320.
quillo::Bitmap DefaultFace(const Photos& photos);
// white.bmp and black.bmp: the two faces of the blend screen, 290 x 290.
quillo::Bitmap BlendFace(const quillo::Bitmap& face);

}  // namespace art
