#pragma once
// What the two sliders beside the mirror window mean, and where their thumbs
// are drawn. In Warping mode the left slider sets the brush size and the
// right one the warp scale, both 0 to 10; in Mirrors mode the left slider
// sets the strength (-10 to 10, even values) and the right one chooses the
// mirror, snapping to the four mirror icons.
#include <optional>

#include "MirrorKind.h"
#include "base/Rect.h"

namespace quillo {

// The mirror a right-slider value chooses: 0 to 2 Squeeze, 3 to 5 Radial,
// 6 to 8 Vertical, 9 and 10 Horizontal.
constexpr int MirrorOfSlider(int value) {
  return 4 - value / 3;
}

// The brush radius a left-slider value gives, in every mode.
constexpr int BrushRadiusOf(int value) {
  return value * 5 + 10;
}

// The value a press at height y of a slider h pixels high asks for, in
// Warping mode (both sliders) and for the strength in Mirrors mode.
constexpr int WarpSliderValueAt(int y, int h) {
  return (h - y) * 10 / h;
}
constexpr int StrengthSliderValueAt(int y, int h) {
  return ((h / 2 - y) * 10 / h) * 2;
}

// The right slider's value in Mirrors mode for a press at height y: snapped
// to the icon positions 1, 4, 7 and 10, or none beyond the slider's ends.
std::optional<int> MirrorSliderValueAt(int y, int h);

// The thumb frames, 59 x 29 cells of the skin sheet, and where they are drawn
// on their slider of height h for the value.
struct ThumbPlacement {
  Rect cell;  // in the skin sheet
  int x;      // on the slider
  int y;
};
ThumbPlacement LeftThumbPlacement(int value, int h, bool mirrors);
ThumbPlacement RightThumbPlacement(int value, int h);

}  // namespace quillo
