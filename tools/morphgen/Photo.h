#pragma once
// Faces for the morphs: a square part of a photograph fitted into 145 x 145.
#include <QImage>
#include <string>

#include "base/Bitmap.h"

namespace morphgen {

// The image's colours as a bitmap; the fourth byte of every pixel is 0.
quillo::Bitmap ToBitmap(const QImage& image);

// Reads a photograph; throws quillo::Error when it cannot be read.
quillo::Bitmap LoadPhoto(const std::string& path);

// The part of the photograph inside the rectangle, fitted into 145 x 145 with
// CenterDraw on a white ground.
quillo::Bitmap FaceFrom(const quillo::Bitmap& photo, quillo::Rect part);

}  // namespace morphgen
