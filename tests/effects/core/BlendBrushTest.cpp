// The blend screen's clone brush on worked values: its weights, truncation
// and rim, and the fourth byte it clears.
#include <gtest/gtest.h>

#include "effects/core/BlendBrush.h"

namespace quillo {
namespace {

TEST(BlendBrush, OneDabMovesAnEighthOfTheWayAtTheCentreAndNothingAtTheRim) {
  Bitmap blend(100, 100, MakePixel(40, 0, 95, 0xAB));
  const Bitmap source(100, 100, MakePixel(200, 255, 255));
  BlendDab(blend, source, 50, 50, 0, 0);
  // Blue 255 x 0.125 + 95 x 0.875 = 115; green 31.875 truncated.
  EXPECT_EQ(blend.At(50, 50), MakePixel(60, 31, 115));
  // At distance 3 the weights are not exact in binary: blue and red come out
  // at 111.99... and 56.99..., one below what exact arithmetic gives.
  EXPECT_EQ(blend.At(53, 50), MakePixel(56, 27, 111));
  EXPECT_EQ(blend.At(44, 42), MakePixel(50, 15, 105));  // distance 10
  // Distance 20 is still inside: the colour stays, the fourth byte goes.
  EXPECT_EQ(blend.At(62, 66), MakePixel(40, 0, 95));
  EXPECT_EQ(blend.At(30, 50), MakePixel(40, 0, 95));
  // Just beyond the rim, and beyond the square, nothing changes.
  EXPECT_EQ(blend.At(64, 65), MakePixel(40, 0, 95, 0xAB));  // distance 20.5
  EXPECT_EQ(blend.At(71, 50), MakePixel(40, 0, 95, 0xAB));
}

}  // namespace
}  // namespace quillo
