#pragma once
// The blend screen's clone brush: one dab blends a source face, shifted, into
// the blend picture over a soft disc of radius 20, a little at the centre and
// nothing at the rim.
#include "base/Bitmap.h"

namespace quillo {

constexpr int kBlendSide = 290;  // the blend picture and both faces are square
constexpr int kBrushReach = 20;  // from the brush's centre to its rim, in pixels

// One dab centred on (x, y) of the blend picture. Each pixel (c, r) of the
// 41 x 41 square around it takes the source pixel (c + ox, r + oy): with
// d = distance to the centre x 0.05 (skipped when over 1) and
// w = d x 0.125 + 0.875, each colour byte becomes source x (1 - w) +
// blend x w, truncated, and the fourth byte 0. Pixels outside the blend
// picture, or whose source lies outside the source face, are left alone.
// The source must not be the blend picture itself.
void BlendDab(Bitmap& blend, const Bitmap& source, int x, int y, int ox, int oy);

}  // namespace quillo
