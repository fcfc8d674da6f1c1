#pragma once
// Where a skinned slider shows its thumb for a value, and which value a
// pointer position asks for. A slider narrower than it is high is vertical,
// with Max at the top; otherwise it is horizontal, with Min at the left.
// Where Max equals Min nothing divides by zero: the thumb sits at the Min end
// and every position maps to Min.
#include "base/Rect.h"

namespace quillo {

struct SliderShape {
  int width;  // the slider's size
  int height;
  int thumbWidth;  // the thumb cell's size as stored (no fallback)
  int thumbHeight;
  int min;
  int max;

  constexpr bool Vertical() const { return width < height; }
};

// The thumb rectangle in the slider's pixels for a value.
Rect ThumbRect(const SliderShape& s, int value);

// The value a drag asks for with the pointer at (x, y), before clamping.
int ValueAtPointer(const SliderShape& s, int x, int y);

}  // namespace quillo
