#pragma once
// The part of the mirror window's 320 x 320 view that the intros show.
#include "base/Bitmap.h"
#include "base/Rect.h"

namespace videogen {

// The default face's head and shoulders, taken pixel for pixel: the head
// sits in the middle of the frame's circle.
inline constexpr quillo::Rect kShownPart = quillo::RectOfSize(12, 0, 290, 290);

}  // namespace videogen
