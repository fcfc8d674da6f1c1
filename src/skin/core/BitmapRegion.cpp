#include "BitmapRegion.h"

#include "CellBlend.h"

namespace quillo {

std::vector<Rect> ShapeRuns(const Bitmap& bitmap, Pixel key) {
  std::vector<Rect> runs;
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  // kNoKey keeps its top byte and so never equals a pixel's colour bits.
  const Pixel keyBits = key == kNoKey ? kNoKey : ColourBits(key);
  for (int y = 0; y < h; ++y) {
    const Pixel* row = bitmap.Row(y);
    int start = -1;
    for (int x = 0; x < w; ++x) {
      const bool shape = ColourBits(row[x]) != keyBits;
      if (shape && start < 0) {
        start = x;
      } else if (!shape && start >= 0) {
        runs.push_back({start, y, x, y + 1});
        start = -1;
      }
    }
    if (start >= 0) runs.push_back({start, y, w, y + 1});
  }
  return runs;
}

}  // namespace quillo
