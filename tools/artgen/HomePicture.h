#pragma once
// quillo.bmp: the home screen's picture. It covers the middle of the main
// window, so it repeats the ground and the mirror frame there and shows the
// astronaut in the mirror, bulged like a fun-house glass, under the name
// "Quillo" in big glossy letters.
#include <QImage>

#include "base/Bitmap.h"

namespace art {

// 358 x 317; the face is the astronaut's square portrait.
QImage PaintHomePicture(const QImage& ground, const quillo::Bitmap& face);

}  // namespace art
