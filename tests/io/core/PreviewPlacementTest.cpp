// Where the open dialog's preview draws a picture in its box.
#include <gtest/gtest.h>

#include "io/core/PreviewPlacement.h"

namespace quillo {
namespace {

TEST(PreviewPlacement, SmallPicturesAreCentredUnscaledLargeOnesShrunkToFit) {
  EXPECT_EQ(PreviewPlacement(100, 50, 151, 139), RectOfSize(25, 44, 100, 50));
  // 4 times too wide, 2.17 times too high: a quarter of the size, 75.5 truncated.
  EXPECT_EQ(PreviewPlacement(604, 302, 151, 139), RectOfSize(0, 32, 151, 75));
  // Exactly the box's size stays unscaled; one pixel more in one side shrinks both.
  EXPECT_EQ(PreviewPlacement(151, 139, 151, 139), RectOfSize(0, 0, 151, 139));
  EXPECT_EQ(PreviewPlacement(151, 140, 151, 139), RectOfSize(1, 0, 149, 139));
  // Tall and narrow: the height decides.
  EXPECT_EQ(PreviewPlacement(50, 278, 151, 139), RectOfSize(63, 0, 25, 139));
}

TEST(PreviewPlacement, NothingIsPlacedWithoutAPictureOrABox) {
  EXPECT_TRUE(PreviewPlacement(0, 0, 151, 139).IsEmpty());
  EXPECT_TRUE(PreviewPlacement(100, 50, 0, 139).IsEmpty());
}

}  // namespace
}  // namespace quillo
