#pragma once
// The sliders' thumbs: eleven frames each for the two mirror sliders (a glossy
// knob with a gold pointer on the sliders' key colour) and the morph slider's
// small thumb on aqua.
#include "base/Bitmap.h"

namespace art {

// Frame k (0 = top) of the left or right mirror slider's thumb, 59 x 29.
quillo::Bitmap PaintThumbFrame(bool left, int k);
// The morph screen's slider thumb, 28 x 15.
quillo::Bitmap PaintTrackThumb();

}  // namespace art
