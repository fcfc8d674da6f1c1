#pragma once
// The blend screen's cross-fade, the frames of its video: from the left face
// at 0 % to the blend picture at 100 %.
#include "base/Bitmap.h"

namespace quillo {

// Overwrites the frame with position `percent` of the cross-fade: with
// t = percent x 0.01, each colour byte becomes left x (1 - t), truncated, plus
// blend x t, truncated; the frame's fourth bytes stay. Covers the part of the
// frame that all three pictures share.
void RenderBlendFade(Bitmap& frame, const Bitmap& left, const Bitmap& blend, int percent);

}  // namespace quillo
