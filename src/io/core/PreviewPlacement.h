#pragma once
// Where the open dialog's preview box draws a picture: centred, at its own
// size when it fits, otherwise shrunk to fit with its proportions kept. A
// picture is never enlarged.
#include "base/Rect.h"

namespace quillo {

// The rectangle, in the box's pixels, that a width x height picture is drawn
// into inside a boxWidth x boxHeight box; empty when either is empty.
Rect PreviewPlacement(int width, int height, int boxWidth, int boxHeight);

}  // namespace quillo
