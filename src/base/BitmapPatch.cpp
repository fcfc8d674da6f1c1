#include "BitmapPatch.h"

#include <algorithm>
#include <cstring>

namespace quillo {

std::optional<BitmapPatch> BitmapPatch::Between(const Bitmap& before, const Bitmap& after) {
  BitmapPatch patch;
  if (before.Width() != after.Width() || before.Height() != after.Height()) {
    patch.whole_ = true;
    patch.before_ = before;
    patch.after_ = after;
    return patch;
  }
  const int w = before.Width();
  Rect r{w, before.Height(), 0, 0};
  for (int y = 0; y < before.Height(); ++y) {
    const Pixel* a = before.Row(y);
    const Pixel* b = after.Row(y);
    if (std::memcmp(a, b, static_cast<std::size_t>(w) * sizeof(Pixel)) == 0) continue;
    int first = 0, last = w - 1;
    while (a[first] == b[first]) ++first;
    while (a[last] == b[last]) --last;
    r.left = std::min(r.left, first);
    r.right = std::max(r.right, last + 1);
    r.top = std::min(r.top, y);
    r.bottom = y + 1;
  }
  if (r.IsEmpty()) return std::nullopt;
  patch.rect_ = r;
  patch.before_ = before.Copy(r);
  patch.after_ = after.Copy(r);
  return patch;
}

void BitmapPatch::Apply(Bitmap& picture, const Bitmap& version) const {
  if (whole_)
    picture = version;
  else
    picture.Draw(rect_.left, rect_.top, version);
}

}  // namespace quillo
