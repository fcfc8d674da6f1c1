// The blend screen's state: the anchor, the stroke and where each dab takes
// its pixels from.
#include "effects/core/BlendModel.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

Bitmap Gradient(int seed) {
  Bitmap b(kBlendSide, kBlendSide);
  for (int y = 0; y < kBlendSide; ++y)
    for (int x = 0; x < kBlendSide; ++x) b.At(x, y) = MakePixel(x % 256, y % 256, seed);
  return b;
}

BlendModel WithFaces() {
  BlendModel m;
  m.SetPicture(BlendPicture::Left, Gradient(10));
  m.SetPicture(BlendPicture::Right, Gradient(200));
  m.Restart(1);
  return m;
}

TEST(BlendModel, ACloningDabShiftsTheSelectedFaceByTheAnchorLessThePress) {
  BlendModel m = WithFaces();
  m.ChooseAnchor(2, 120, 80);
  m.BeginStroke(100, 100);
  EXPECT_TRUE(m.Painting());
  m.Dab(m.SelectedFace(), false, 110, 105);
  Bitmap expected = Gradient(10);
  BlendDab(expected, Gradient(200), 110, 105, 20, -20);
  EXPECT_EQ(m.BlendBitmap(), expected);
  m.EndStroke();
  EXPECT_FALSE(m.Painting());
  EXPECT_EQ(m.PressX(), 100);
  EXPECT_EQ(m.PressY(), 100);
}

TEST(BlendModel, AnInPlaceDabAndARestartIgnoreTheAnchor) {
  BlendModel m = WithFaces();
  m.ChooseAnchor(2, 10, 10);
  m.BeginStroke(100, 100);
  m.Dab(2, true, 50, 60);
  Bitmap expected = Gradient(10);
  BlendDab(expected, Gradient(200), 50, 60, 0, 0);
  EXPECT_EQ(m.BlendBitmap(), expected);
  m.Restart(2);
  EXPECT_EQ(m.BlendBitmap(), m.RightFace());
  EXPECT_EQ(m.LeftFace(), Gradient(10));
}

TEST(BlendModel, AFittedPictureKeepsTheSquareOnTheGround) {
  BlendModel m;
  m.FitPicture(BlendPicture::Blend, Bitmap(100, 50, MakePixel(0, 0, 200)));
  EXPECT_EQ(m.BlendBitmap().Width(), kBlendSide);
  EXPECT_EQ(m.BlendBitmap().At(145, 145), MakePixel(0, 0, 200));
  EXPECT_EQ(m.BlendBitmap().At(145, 10), kBlendGround);
}

}  // namespace
}  // namespace quillo
