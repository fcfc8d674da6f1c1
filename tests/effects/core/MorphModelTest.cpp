#include "effects/core/MorphModel.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(MorphModel, StartsWithTwoBlankFacesAndNoLines) {
  const MorphModel m;
  EXPECT_EQ(m.LineCount(), 0);
  EXPECT_EQ(m.SourceBitmap1(), Bitmap(145, 145, kBlankFace));
  EXPECT_EQ(m.SourceBitmap2(), Bitmap(145, 145, kBlankFace));
  EXPECT_TRUE(IsMorphPicture(m.FrameBitmap()));
}

TEST(MorphModel, RefusesALineBeyondTheThousandth) {
  MorphModel m;
  for (int i = 0; i < kMaxLines; ++i) ASSERT_TRUE(m.AddLine(LineAt({1.0 * i, 0}, {0, 1})));
  const MorphLine last = m.Lines()[kMaxLines - 1];
  EXPECT_FALSE(m.AddLine(LineAt({5, 5}, {6, 6})));
  EXPECT_EQ(m.LineCount(), kMaxLines);
  EXPECT_EQ(m.Lines()[kMaxLines - 1], last);
}

TEST(MorphModel, DeletingALineKeepsTheOrderOfTheOthers) {
  MorphModel m;
  for (int i = 0; i < 4; ++i) m.AddLine(LineAt({1.0 * i, 0}, {0, 1}));
  m.DeleteLine(1);
  ASSERT_EQ(m.LineCount(), 3);
  EXPECT_EQ(m.Lines()[0].Start1.x, 0);
  EXPECT_EQ(m.Lines()[1].Start1.x, 2);
  EXPECT_EQ(m.Lines()[2].Start1.x, 3);
  m.DeleteLine(7);  // no such line
  EXPECT_EQ(m.LineCount(), 3);
}

}  // namespace
}  // namespace quillo
