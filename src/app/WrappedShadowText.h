#pragma once
// Captions of several lines: word-wrapped and centred, with a drop shadow.
#include "ShadowLabel.h"

class QPainter;

namespace quillo {

// Writes the caption word-wrapped inside the label's rectangle, centred
// across and down, shadow first. A caption taller than the rectangle starts
// at its top and is cut off at the bottom.
void DrawWrappedShadowLabel(QPainter& painter, const ShadowLabel& label);

}  // namespace quillo
