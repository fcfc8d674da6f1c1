#pragma once
// The morph: two faces of 145 x 145 pixels, the control lines drawn on both,
// and the frame last computed. Loading a morph file replaces it wholesale.
#include <array>
#include <cstdint>

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

// True for a picture the engine can use as a face or frame: 145 x 145.
bool IsMorphPicture(const Bitmap& picture);

struct MorphModel {
  // Lines 0 .. LineCount - 1 are in use, in the order they were drawn.
  std::array<MorphLine, kMaxLines> Lines{};
  std::int32_t LineCount = 0;
  // Always 145 x 145; pixels are blue, green, red and a fourth byte.
  Bitmap SourceBitmap1{kMorphSize, kMorphSize, kBlankFace};
  Bitmap SourceBitmap2{kMorphSize, kMorphSize, kBlankFace};
  BmpExtraHeader ExtraHeader1{};
  BmpExtraHeader ExtraHeader2{};
  Bitmap FrameBitmap{kMorphSize, kMorphSize};

  // Appends a line; false (and nothing changes) when all 1000 are in use.
  bool AddLine(const MorphLine& line);
  // Removes a line; the later lines move down one place, keeping their order.
  void DeleteLine(int index);
  void ClearLines() { LineCount = 0; }
};

}  // namespace quillo
