#pragma once
// Faces for the morphs: a square part of a photograph fitted into 145 x 145.
#include <string>

#include "base/Bitmap.h"
#include "common/PhotoCrops.h"

namespace morphgen {

// The crop of its photograph in the assets folder, fitted into 145 x 145 with
// CenterDraw on a white ground. Throws quillo::Error when the photograph
// cannot be read.
quillo::Bitmap FaceFrom(const std::string& assetsFolder, const quillo::PhotoCrop& crop);

}  // namespace morphgen
