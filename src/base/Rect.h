#pragma once
// A rectangle with left and top inclusive, right and bottom exclusive.
#include <algorithm>

namespace quillo {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool operator==(const Rect&) const = default;

  // The part of this rectangle inside (0, 0, width, height).
  constexpr Rect ClampedTo(int width, int height) const {
    return {std::max(left, 0), std::max(top, 0), std::min(right, width), std::min(bottom, height)};
  }
};

constexpr Rect RectOfSize(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

}  // namespace quillo
