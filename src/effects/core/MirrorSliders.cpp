#include "MirrorSliders.h"

#include "skin/core/SkinLayout.h"

namespace quillo {

namespace {

// The thumbs follow a slight curve down the slider.
constexpr int kLeftThumbX[kThumbFrames] = {6, 6, 6, 2, 1, 0, 0, 1, 2, 4, 7};
constexpr int kRightThumbX[kThumbFrames] = {2, 2, 2, 4, 7, 7, 7, 6, 5, 2, 0};

// Frame numbers outside 0..10 (values beyond a slider's range) take the
// nearest frame.
constexpr int Frame(int k) {
  return k < 0 ? 0 : k >= kThumbFrames ? kThumbFrames - 1 : k;
}

}  // namespace

std::optional<int> MirrorSliderValueAt(int y, int h) {
  const int v = WarpSliderValueAt(y, h);
  if (v < 0 || v > 10) return std::nullopt;
  if (v <= 1) return 1;
  if (v <= 4) return 4;
  if (v <= 7) return 7;
  return 10;
}

ThumbPlacement LeftThumbPlacement(int value, int h, bool mirrors) {
  const int k = Frame(mirrors ? (10 - value) / 2 : 10 - value);
  const int y =
      mirrors ? (h - kThumbHeight) * (10 - value) / 20 : (h - kThumbHeight) * (10 - value) / 10;
  return {LeftThumbCell(k), kLeftThumbX[k], y};
}

ThumbPlacement RightThumbPlacement(int value, int h) {
  const int k = Frame(10 - value);
  return {RightThumbCell(k), kRightThumbX[k], (h - kThumbHeight) * (10 - value) / 10};
}

}  // namespace quillo
