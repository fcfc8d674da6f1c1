// The one palette of an animation: few colours come back exactly, many are
// grouped so that each frame still looks like itself, and dithering keeps a
// gradient's average colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "base/Palette.h"

namespace quillo {
namespace {

Bitmap Flat(int w, int h, Pixel colour) {
  Bitmap b(w, h);
  b.FillRect({0, 0, w, h}, colour);
  return b;
}

TEST(Palette, FewColoursAcrossFramesAreKeptExactlyAndMapToThemselves) {
  // Two colours in one 5-bit bin must not be merged into their mean.
  const Pixel a = MakePixel(200, 10, 10), b = MakePixel(201, 11, 12), c = MakePixel(0, 0, 255);
  Bitmap first = Flat(8, 4, a);
  first.FillRect({4, 0, 8, 4}, b);
  const Bitmap second = Flat(8, 4, c);
  const std::vector<const Bitmap*> frames{&first, &second};
  std::vector<Pixel> palette = MakePalette(frames);
  std::sort(palette.begin(), palette.end());
  EXPECT_EQ(palette, (std::vector<Pixel>{c, a, b}));

  PaletteDitherer ditherer(palette);
  const std::vector<std::uint8_t> indices = ditherer.Dither(first);
  for (int x = 0; x < 8; ++x) EXPECT_EQ(palette[indices[x]], x < 4 ? a : b) << x;
}

TEST(Palette, ManyColoursAreCutToTheLimitAndDitheringKeepsTheMeanColour) {
  // A smooth ramp of 64 x 64 colours in 16 colours.
  Bitmap ramp(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) ramp.At(x, y) = MakePixel(x * 4, y * 4, 128);
  const std::vector<const Bitmap*> frames{&ramp};
  const std::vector<Pixel> palette = MakePalette(frames, 16);
  ASSERT_EQ(palette.size(), 16u);

  PaletteDitherer ditherer(palette);
  const std::vector<std::uint8_t> indices = ditherer.Dither(ramp);
  ASSERT_EQ(indices.size(), 64u * 64u);
  // Over each 8 x 8 block the dithered colours average out near the ramp's
  // (inside: the ramp's edges lie beyond the palette's outermost means).
  for (int by = 8; by < 56; by += 8)
    for (int bx = 8; bx < 56; bx += 8) {
      long want = 0, got = 0;
      for (int y = by; y < by + 8; ++y)
        for (int x = bx; x < bx + 8; ++x) {
          want += Red(ramp.At(x, y)) + Green(ramp.At(x, y));
          const Pixel p = palette[indices[static_cast<std::size_t>(y * 64 + x)]];
          got += Red(p) + Green(p);
        }
      EXPECT_LT(std::abs(want - got) / 64, 12) << bx << "," << by;
    }
}

TEST(Palette, NoFramesGiveOneBlackColourAndLimitsAreClamped) {
  EXPECT_EQ(MakePalette({}), std::vector<Pixel>{MakePixel(0, 0, 0)});
  const Bitmap two = [] {
    Bitmap b = Flat(2, 1, MakePixel(255, 255, 255));
    b.At(0, 0) = MakePixel(0, 0, 0);
    return b;
  }();
  const std::vector<const Bitmap*> frames{&two};
  EXPECT_EQ(MakePalette(frames, 0).size(), 1u);
  EXPECT_EQ(MakePalette(frames, 1000).size(), 2u);
}

}  // namespace
}  // namespace quillo
