#include "MorphModel.h"

#include <algorithm>

namespace quillo {

bool IsMorphPicture(const Bitmap& picture) {
  return picture.Width() == kMorphSize && picture.Height() == kMorphSize;
}

bool MorphModel::AddLine(const MorphLine& line) {
  if (LineCount >= kMaxLines) return false;
  Lines[LineCount++] = line;
  return true;
}

void MorphModel::DeleteLine(int index) {
  if (index < 0 || index >= LineCount) return;
  std::copy(Lines.begin() + index + 1, Lines.begin() + LineCount, Lines.begin() + index);
  --LineCount;
}

}  // namespace quillo
