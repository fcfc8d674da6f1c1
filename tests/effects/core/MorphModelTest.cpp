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

TEST(MorphModel, MovesOnlyTheEndAskedForAndOnlyOfALineInUse) {
  MorphModel m;
  m.AddLine(LineAt({10, 20}, {30, 40}));
  m.MoveLineEnd(0, LineEnd::Start2, {1, 2});
  EXPECT_EQ(m.Lines()[0].Start2, (RealPoint{1, 2}));
  EXPECT_EQ(m.Lines()[0].Start1, (RealPoint{10, 20}));
  EXPECT_EQ(m.Lines()[0].End2, (RealPoint{30, 40}));
  m.MoveNewLineEnd(0, {7, 8});  // a line being drawn: its end in both pictures
  EXPECT_EQ(m.Lines()[0].End1, (RealPoint{7, 8}));
  EXPECT_EQ(m.Lines()[0].End2, (RealPoint{7, 8}));
  EXPECT_EQ(m.Lines()[0].Start2, (RealPoint{1, 2}));
  const MorphModel before = m;
  m.MoveLineEnd(1, LineEnd::End1, {0, 0});  // beyond the lines in use
  m.MoveNewLineEnd(-1, {0, 0});
  EXPECT_EQ(m.Lines(), before.Lines());
}

TEST(MorphModel, ANewFaceIsFittedOnWhiteAndTakesEveryLineWithIt) {
  MorphModel m;
  m.AddLine(LineAt({10, 20}, {30, 40}));
  m.ReplaceFace(MorphPicture::Two, Bitmap(290, 145, MakePixel(9, 8, 7, 0x5A)));
  EXPECT_EQ(m.LineCount(), 0);
  EXPECT_EQ(m.SourceBitmap2().Width(), kMorphSize);
  EXPECT_EQ(m.SourceBitmap2().At(70, 72), MakePixel(9, 8, 7));  // the fourth byte goes
  EXPECT_EQ(m.SourceBitmap2().At(70, 10), kBlankFace);          // the band above it
  EXPECT_EQ(m.SourceBitmap1(), Bitmap(145, 145, kBlankFace));
}

}  // namespace
}  // namespace quillo
