#include "SliderGeometry.h"

#include "MulDiv.h"

namespace quillo {

Rect ThumbRect(const SliderShape& s, int value) {
  const int range = s.max - s.min;
  int left = 0;
  int top = 0;
  if (s.Vertical()) {
    left = (s.width - s.thumbWidth) / 2;
    top = range == 0 ? s.height - s.thumbHeight
                     : MulDiv(s.height - s.thumbHeight, s.max - value, range);
  } else {
    left = range == 0 ? 0 : MulDiv(s.width - s.thumbWidth, value - s.min, range);
    top = (s.height - s.thumbHeight) / 2;
  }
  return RectOfSize(left, top, s.thumbWidth, s.thumbHeight);
}

int ValueAtPointer(const SliderShape& s, int x, int y) {
  const int range = s.max - s.min;
  if (s.Vertical()) {
    const int track = s.height - s.thumbHeight;
    if (range == 0 || track == 0) return s.min;
    return s.max - MulDiv(y - s.thumbHeight / 2, range, track);
  }
  const int track = s.width - s.thumbWidth;
  if (range == 0 || track == 0) return s.min;
  return s.min + MulDiv(x - s.thumbWidth / 2, range, track);
}

}  // namespace quillo
