#pragma once
// The morph engine: one in-between frame of a morph. Every usable line is
// moved to its in-between place, the line field at the grid nodes tells where
// each pixel lies in both faces, and the two fetched colours are
// cross-dissolved.
#include "MorphModel.h"

namespace quillo {

// Moves every line's StartNow and EndNow to the position t between its place
// in picture 1 (t = 0) and in picture 2 (t = 1).
void MoveLinesInBetween(MorphModel& morph, double t);

// Computes FrameBitmap for the slider position value of max (0 <= value <=
// max). Position 0 copies picture 1 and position max copies picture 2, and
// nothing else is computed; in between, StartNow and EndNow are updated too.
// Throws quillo::Error when a face is not 145 x 145.
void ComputeFrame(MorphModel& morph, int value, int max);

}  // namespace quillo
