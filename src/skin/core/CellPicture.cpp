#include "CellPicture.h"

namespace quillo {

Bitmap CutCell(const Bitmap& sheet, Rect cell, int w, int h) {
  Bitmap part(cell.Width() > 0 ? cell.Width() : 0, cell.Height() > 0 ? cell.Height() : 0);
  part.Draw(-cell.left, -cell.top, sheet);
  if (part.Width() == w && part.Height() == h) return part;
  return ScaleNearest(part, w, h);
}

Bitmap ScaleNearest(const Bitmap& picture, int w, int h) {
  Bitmap out(w, h);
  if (picture.Empty()) return out;
  for (int y = 0; y < h; ++y) {
    const Pixel* from = picture.Row(NearestSource(y, picture.Height(), h));
    Pixel* to = out.Row(y);
    for (int x = 0; x < w; ++x) to[x] = from[NearestSource(x, picture.Width(), w)];
  }
  return out;
}

}  // namespace quillo
