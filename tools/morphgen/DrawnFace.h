#pragma once
// A face drawn by hand in vector strokes, for the clip-art morph from the cat.
// Its features lie at fixed places: eyes at (50, 62) and (94, 62), nose tip
// (72, 88), mouth corners (54, 104) and (90, 104), chin (72, 134).
#include "base/Bitmap.h"

namespace morphgen {

quillo::Bitmap DrawnFace();

}  // namespace morphgen
