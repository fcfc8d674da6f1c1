#pragma once
// The morph: two faces of 145 x 145 pixels, the control lines drawn on both,
// and the frame last computed. Loading a morph file replaces it wholesale.
// The faces and lines change only through the methods below; the engine
// (MorphEngine.h) writes the frame and the lines' in-between places.
#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "MorphLine.h"
#include "base/Bitmap.h"

namespace quillo {

constexpr int kMorphSize = 145;  // side of both faces and of the frame
constexpr int kMaxLines = 1000;  // capacity of Lines
// The colour of a face that nothing has been loaded into.
constexpr Pixel kBlankFace = MakePixel(255, 255, 255);

// Bytes 38 to 53 of a BMP header (resolutions, colour counts), carried from a
// loaded picture to the file it is saved in.
using BmpExtraHeader = std::array<std::uint8_t, 16>;

// The picture a small box shows: 1 (left box) or 2 (right box).
enum class MorphPicture { One = 1, Two = 2 };

// True for a picture the engine can use as a face or frame: 145 x 145.
bool IsMorphPicture(const Bitmap& picture);

class MorphModel {
 public:
  // Replaces the whole morph, as loading a file or starting afresh does.
  void ReplaceWith(MorphModel other) { *this = std::move(other); }

  // Installs a face as it is, with the header bytes it came with; the lines
  // stay, the photo goes. The engine refuses a face that is not 145 x 145.
  void SetFace(MorphPicture picture, Bitmap face, const BmpExtraHeader& header = {});
  // A new picture fitted into a face on white (the face keeps its size);
  // the lines belonged to the old face, so all go, from both pictures. A
  // picture larger than the face is kept as its photo.
  void ReplaceFace(MorphPicture picture, const Bitmap& source);

  // Appends a line; false (and nothing changes) when all 1000 are in use.
  bool AddLine(const MorphLine& line);
  // Removes a line; the later lines move down one place, keeping their order.
  void DeleteLine(int index);
  void ClearLines() { lineCount_ = 0; }
  // Replaces all lines (at most 1000 are taken), as an undo puts them back.
  void SetLines(const std::vector<MorphLine>& lines);
  // Moves one end of a line in one picture.
  void MoveLineEnd(int index, LineEnd end, RealPoint to);
  // Moves the end of a line being drawn, the same in both pictures.
  void MoveNewLineEnd(int index, RealPoint to);

  // Lines 0 .. LineCount - 1 are in use, in the order they were drawn.
  const std::array<MorphLine, kMaxLines>& Lines() const { return lines_; }
  std::int32_t LineCount() const { return lineCount_; }
  // Always 145 x 145; pixels are blue, green, red and a fourth byte.
  const Bitmap& SourceBitmap1() const { return face1_; }
  const Bitmap& SourceBitmap2() const { return face2_; }
  const Bitmap& Face(MorphPicture picture) const {
    return picture == MorphPicture::One ? face1_ : face2_;
  }
  // The picture the face was fitted from, where it had more pixels; else
  // the face itself. Face detection looks at it.
  const Bitmap& Photo(MorphPicture picture) const {
    const auto& photo = picture == MorphPicture::One ? photo1_ : photo2_;
    return photo ? *photo : Face(picture);
  }
  const BmpExtraHeader& ExtraHeader1() const { return header1_; }
  const BmpExtraHeader& ExtraHeader2() const { return header2_; }
  const Bitmap& FrameBitmap() const { return frame_; }

 private:
  friend void MoveLinesInBetween(MorphModel& morph, double t);
  friend void ComputeFrame(MorphModel& morph, int value, int max);

  std::array<MorphLine, kMaxLines> lines_{};
  std::int32_t lineCount_ = 0;
  Bitmap face1_{kMorphSize, kMorphSize, kBlankFace};
  Bitmap face2_{kMorphSize, kMorphSize, kBlankFace};
  BmpExtraHeader header1_{};
  BmpExtraHeader header2_{};
  std::shared_ptr<const Bitmap> photo1_;
  std::shared_ptr<const Bitmap> photo2_;
  Bitmap frame_{kMorphSize, kMorphSize};
};

}  // namespace quillo
