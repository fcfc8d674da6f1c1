#include "skin/core/SmoothDraw.h"

#include <gtest/gtest.h>

#include <random>

#include "base/Cpu.h"
#include "skin/core/StretchRows.h"

namespace quillo {
namespace {

// A picture whose channels encode the position, so every fetch can be traced.
Bitmap Ramp(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.At(x, y) = MakePixel(x % 256, y % 256, (x * 7 + y) % 256, 0x55);
  return b;
}

TEST(SmoothDraw, DoublingPlacesColumnsHalfWayWithoutOffset) {
  Bitmap src(145, 145);
  for (int y = 0; y < 145; ++y)
    for (int x = 0; x < 145; ++x) src.At(x, y) = MakePixel(x % 2 ? 200 : 100, 0, 0);
  Bitmap dst(290, 290, 0xDEADBEEF);
  SmoothDraw(dst, {0, 0, 290, 290}, src);
  EXPECT_EQ(dst.At(0, 0), MakePixel(100, 0, 0));  // column 0 takes source column 0 exactly
  EXPECT_EQ(dst.At(1, 0), MakePixel(150, 0, 0));  // column 1 lies half-way between 0 and 1
  EXPECT_EQ(dst.At(2, 0), MakePixel(200, 0, 0));
  // Column 289 maps to 144.5: source column 144 (red 100) mixed with itself.
  EXPECT_EQ(dst.At(289, 0), MakePixel(100, 0, 0));
  EXPECT_EQ(dst.At(288, 5), MakePixel(100, 0, 0));
}

TEST(SmoothDraw, MatchesTheFormulaOnEveryPixelAndWritesFourthByteZero) {
  const Bitmap src = Ramp(13, 9);
  Bitmap dst(31, 20);
  SmoothDraw(dst, {0, 0, 31, 20}, src);
  for (int y = 0; y < 20; ++y) {
    const double fy = static_cast<double>(9 * y) / 20;
    const int y0 = static_cast<int>(fy);
    const double wy = y0 == 8 ? 0.0 : fy - y0;
    const int y1 = y0 == 8 ? y0 : y0 + 1;
    for (int x = 0; x < 31; ++x) {
      const double fx = static_cast<double>(13 * x) / 31;
      const int x0 = static_cast<int>(fx);
      const double wx = fx - x0;
      const int x1 = x0 == 12 ? x0 : x0 + 1;
      for (int shift : {0, 8, 16}) {
        auto c = [&](int px, int py) {
          return static_cast<double>((src.At(px, py) >> shift) & 0xFF);
        };
        const double v = (1 - wy) * ((1 - wx) * c(x0, y0) + wx * c(x1, y0)) +
                         wy * ((1 - wx) * c(x0, y1) + wx * c(x1, y1));
        ASSERT_EQ(static_cast<int>((dst.At(x, y) >> shift) & 0xFF), static_cast<int>(v))
            << x << "," << y;
      }
      ASSERT_EQ(Fourth(dst.At(x, y)), 0);
    }
  }
}

TEST(SmoothDraw, ClipsToTheCanvasAndIgnoresEmptyPictures) {
  const Bitmap src = Ramp(10, 10);
  Bitmap dst(8, 8, kWhite);
  SmoothDraw(dst, {-4, -4, 16, 16}, src);  // 20 x 20, partly outside
  Bitmap whole(20, 20);
  SmoothDraw(whole, {0, 0, 20, 20}, src);
  EXPECT_EQ(dst, whole.Copy({4, 4, 12, 12}));

  Bitmap untouched(8, 8, kWhite);
  SmoothDraw(untouched, {0, 0, 8, 8}, Bitmap());
  CenterDraw(untouched, {0, 0, 8, 8}, Bitmap(), 0);  // not even the fill
  EXPECT_EQ(untouched, Bitmap(8, 8, kWhite));
}

// The vector kernel gives the scalar one's pixels, enlarging and reducing,
// clipped on any side, with widths that leave a remainder of columns.
TEST(StretchKernels, VectorAndScalarAgreeBitForBit) {
  if (!HasAvx2()) GTEST_SKIP() << "no AVX2 on this processor";
  std::mt19937 random(5);
  struct Case {
    int sw, sh;
    Rect rect;
  };
  for (const Case& c : {Case{145, 145, {0, 0, 290, 290}}, Case{512, 384, {-3, 7, 317, 247}},
                        Case{7, 300, {5, -20, 98, 61}}, Case{1, 1, {0, 0, 9, 3}},
                        Case{33, 17, {60, 60, 61, 140}}}) {
    Bitmap picture(c.sw, c.sh);
    for (int y = 0; y < c.sh; ++y)
      for (int x = 0; x < c.sw; ++x) picture.At(x, y) = static_cast<Pixel>(random());
    Bitmap scalar(100, 250, kWhite), vector(100, 250, kWhite);
    const Rect visible = c.rect.ClampedTo(100, 250);
    const stretch::Plan a = stretch::PlanFor(scalar, c.rect, visible, picture);
    const stretch::Plan b = stretch::PlanFor(vector, c.rect, visible, picture);
    stretch::StretchRowsBaseline(a, 0, visible.Height());
    stretch::StretchRowsAvx2(b, 0, visible.Height());
    ASSERT_EQ(scalar, vector) << c.sw << "x" << c.sh;
  }
}

TEST(CenterDraw, FitsLandscapeAndPortraitAndFillsTheBands) {
  EXPECT_EQ(CenterRect(290, 290, 640, 480), (Rect{0, 36, 290, 253}));
  EXPECT_EQ(CenterRect(290, 290, 480, 640), (Rect{36, 0, 253, 290}));
  EXPECT_EQ(CenterRect(290, 290, 100, 100), (Rect{0, 0, 290, 290}));

  Bitmap src(640, 480, MakePixel(10, 20, 30));
  Bitmap dst(300, 300, kWhite);
  const Pixel brush = MakePixel(1, 2, 3);
  CenterDraw(dst, {5, 5, 295, 295}, src, brush);
  EXPECT_EQ(dst.At(4, 4), kWhite);        // outside the rectangle
  EXPECT_EQ(dst.At(5, 5), brush);         // band above
  EXPECT_EQ(dst.At(150, 5 + 35), brush);  // last row of the band
  EXPECT_EQ(dst.At(150, 5 + 36), MakePixel(10, 20, 30));
  EXPECT_EQ(dst.At(150, 5 + 252), MakePixel(10, 20, 30));
  EXPECT_EQ(dst.At(150, 5 + 253), brush);
}

}  // namespace
}  // namespace quillo
