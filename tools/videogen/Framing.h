#pragma once
// The look all intros share: the picture inside a circle with a gold rim, on
// the deep blue ground of the window art.
#include "base/Bitmap.h"

namespace videogen {

// The 290 x 290 frame around a 290 x 290 picture, whose middle shows
// through the circle.
quillo::Bitmap Framed(const quillo::Bitmap& picture);

}  // namespace videogen
