#include "base/Bitmap.h"

#include <gtest/gtest.h>

#include "base/Error.h"

namespace quillo {
namespace {

TEST(Bitmap, ClipsDrawingFillingAndCopying) {
  Bitmap canvas(4, 3, 0);
  Bitmap stamp(3, 3, 7);
  canvas.Draw(2, -1, stamp);  // hangs over the right and top edges
  EXPECT_EQ(canvas.At(1, 0), 0u);
  EXPECT_EQ(canvas.At(2, 0), 7u);
  EXPECT_EQ(canvas.At(3, 1), 7u);
  EXPECT_EQ(canvas.At(3, 2), 0u);
  canvas.FillRect({-5, 2, 2, 10}, 9);
  EXPECT_EQ(canvas.At(0, 2), 9u);
  EXPECT_EQ(canvas.At(1, 2), 9u);
  EXPECT_EQ(canvas.At(2, 2), 0u);
  EXPECT_EQ(canvas.Copy({3, 0, 9, 2}), Bitmap(1, 2, 7));
  EXPECT_TRUE(canvas.Copy({5, 5, 9, 9}).Empty());
}

TEST(Bitmap, RefusesSizesBeyondTheLimits) {
  EXPECT_THROW(Bitmap(kMaxPictureSide + 1, 1), Error);
  EXPECT_THROW(Bitmap(20000, 20000), Error);
  EXPECT_THROW(Bitmap(-1, 5), Error);
  EXPECT_NO_THROW(Bitmap(0, 0));
}

}  // namespace
}  // namespace quillo
