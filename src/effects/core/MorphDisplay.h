#pragma once
// The centre box of the morph screen shows a 145 x 145 picture at twice its
// size, 290 x 290, drawn smoothly.
#include "MorphModel.h"

namespace quillo {

constexpr int kDisplaySize = 290;
// The morph slider runs from 0 (picture 1) to kSliderMax (picture 2).
constexpr int kSliderMax = 100;

// Draws the picture smoothly over all of the display (made 290 x 290).
void DrawMorphDisplay(Bitmap& display, const Bitmap& picture);

// What a slider change does: computes the frame for the position and draws
// it into the display.
void ShowMorphFrame(MorphModel& morph, int value, int max, Bitmap& display);

}  // namespace quillo
