#pragma once
// The intro videos, one per mode, each a loop of framed 290 x 290 pictures
// rendered by the mode's own effect code.
#include <vector>

#include "base/Bitmap.h"
#include "effects/core/MorphModel.h"

namespace videogen {

using Frames = std::vector<quillo::Bitmap>;

// video1: the default face (320 x 320) smeared by the warp brush.
Frames WarpingIntro(const quillo::Bitmap& face);
// video2: the start-up morph from its first face to its second and back.
Frames MorphingIntro(quillo::MorphModel morph);
// video3: the default face in each of the four mirrors in turn.
Frames MirrorsIntro(const quillo::Bitmap& face);
// video4: the blend brush cloning the black face's eye onto the white face
// (both 290 x 290), then the cross-fade back to the white face.
Frames BlendingIntro(const quillo::Bitmap& white, const quillo::Bitmap& black);

}  // namespace videogen
