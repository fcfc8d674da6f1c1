#pragma once
// Reading the generated art from the build folder, and measuring it.
#include <string>
#include <string_view>

#include "base/FileBytes.h"
#include "io/core/BmpCodec.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "skin/core/SkinLayout.h"

namespace quillo::testing {

// The build's data file of that name (io/core/DataFiles.h), found as the
// program finds it.
inline std::string ArtPath(std::string_view name) {
  return ResolveIn(std::string(QUILLO_BUILD_DIR) + "/", name);
}

inline BmpPicture ReadArt(std::string_view name) {
  return DecodeBmp(ReadFileBytes(ArtPath(name)));
}

// The pictures the art generator writes.
inline constexpr std::string_view kArtFiles[] = {kMainBitmapFile,   kSkinSheetFile,
                                                 kStartPictureFile, kDefaultFaceFile,
                                                 kWhiteFaceFile,    kBlackFaceFile};

// How many pixels of the rectangle have exactly the colour.
inline int CountColour(const Bitmap& b, Rect r, Pixel colour) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += ColourBits(b.At(x, y)) == colour;
  return n;
}

// Mean brightness (0..255, Rec. 601 weights) of the rectangle.
inline double MeanLuma(const Bitmap& b, Rect r) {
  double sum = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const Pixel p = b.At(x, y);
      sum += 0.299 * Red(p) + 0.587 * Green(p) + 0.114 * Blue(p);
    }
  return sum / (r.Width() * r.Height());
}

inline const Pixel kAquaPixel = ColorRefToPixel(kAqua);

}  // namespace quillo::testing
