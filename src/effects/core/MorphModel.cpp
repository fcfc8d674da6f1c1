#include "MorphModel.h"

#include <algorithm>
#include <utility>

#include "skin/core/SmoothDraw.h"

namespace quillo {

namespace {

RealPoint& EndOf(MorphLine& line, LineEnd end) {
  switch (end) {
    case LineEnd::Start1:
      return line.Start1;
    case LineEnd::End1:
      return line.End1;
    case LineEnd::Start2:
      return line.Start2;
    default:
      return line.End2;
  }
}

}  // namespace

bool IsMorphPicture(const Bitmap& picture) {
  return picture.Width() == kMorphSize && picture.Height() == kMorphSize;
}

void MorphModel::SetLines(const std::vector<MorphLine>& lines) {
  lineCount_ = static_cast<std::int32_t>(std::min<std::size_t>(lines.size(), kMaxLines));
  std::copy_n(lines.begin(), lineCount_, lines_.begin());
}

void MorphModel::SetFace(MorphPicture picture, Bitmap face, const BmpExtraHeader& header) {
  const bool one = picture == MorphPicture::One;
  (one ? face1_ : face2_) = std::move(face);
  (one ? header1_ : header2_) = header;
  (one ? photo1_ : photo2_).reset();
}

void MorphModel::ReplaceFace(MorphPicture picture, const Bitmap& source) {
  const bool one = picture == MorphPicture::One;
  Bitmap& face = one ? face1_ : face2_;
  CenterDraw(face, {0, 0, kMorphSize, kMorphSize}, source, kBlankFace);
  const bool larger = source.Width() > kMorphSize || source.Height() > kMorphSize;
  (one ? photo1_ : photo2_) = larger ? std::make_shared<const Bitmap>(source) : nullptr;
  ClearLines();
}

bool MorphModel::AddLine(const MorphLine& line) {
  if (lineCount_ >= kMaxLines) return false;
  lines_[lineCount_++] = line;
  return true;
}

void MorphModel::DeleteLine(int index) {
  if (index < 0 || index >= lineCount_) return;
  std::copy(lines_.begin() + index + 1, lines_.begin() + lineCount_, lines_.begin() + index);
  --lineCount_;
}

void MorphModel::MoveLineEnd(int index, LineEnd end, RealPoint to) {
  if (index < 0 || index >= lineCount_) return;
  EndOf(lines_[index], end) = to;
}

void MorphModel::MoveNewLineEnd(int index, RealPoint to) {
  if (index < 0 || index >= lineCount_) return;
  lines_[index].End1 = lines_[index].End2 = to;
}

}  // namespace quillo
