// What the sliders beside the mirror window ask for, and where their thumbs go.
#include "effects/core/MirrorSliders.h"

#include <gtest/gtest.h>

#include "effects/core/WarpModel.h"

namespace quillo {
namespace {

TEST(MirrorSliders, TheTopFifthChoosesHorizontalAndTheLowestSqueeze) {
  const int h = 234;  // the right slider
  for (int y = 0; y < h / 5; ++y)
    EXPECT_EQ(MirrorOfSlider(*MirrorSliderValueAt(y, h)), Horizontal) << y;
  for (int y = h - h / 5; y < h; ++y)
    EXPECT_EQ(MirrorOfSlider(*MirrorSliderValueAt(y, h)), Squeeze) << y;
  EXPECT_EQ(MirrorSliderValueAt(117, h), 7);  // the middle: Vertical
  EXPECT_EQ(MirrorSliderValueAt(150, h), 4);
  EXPECT_EQ(MirrorOfSlider(4), Radial);
  EXPECT_EQ(MirrorOfSlider(7), Vertical);
  EXPECT_FALSE(MirrorSliderValueAt(-30, h));  // beyond the ends: left alone
  EXPECT_FALSE(MirrorSliderValueAt(h + 30, h));
}

TEST(MirrorSliders, PressesMapToValuesAndTheLeftSliderToTheBrush) {
  EXPECT_EQ(WarpSliderValueAt(0, 245), 10);
  EXPECT_EQ(WarpSliderValueAt(244, 245), 0);
  EXPECT_EQ(WarpSliderValueAt(100, 245), 5);    // 1450 / 245
  EXPECT_EQ(StrengthSliderValueAt(0, 245), 8);  // (122 x 10 / 245) x 2
  EXPECT_EQ(StrengthSliderValueAt(122, 245), 0);
  EXPECT_EQ(StrengthSliderValueAt(244, 245), -8);
  EXPECT_EQ(StrengthSliderValueAt(-200, 245), 26);  // clamped by the slider
  EXPECT_EQ(BrushRadiusOf(7), 45);
  EXPECT_EQ(BrushRadiusOf(-10), -40);
}

TEST(MirrorSliders, ThumbsFollowTheirCurveInBothModes) {
  const ThumbPlacement warp = LeftThumbPlacement(7, 245, false);  // frame 3
  EXPECT_EQ(warp.cell, RectOfSize(464, 87, 59, 29));
  EXPECT_EQ(warp.x, 2);
  EXPECT_EQ(warp.y, 64);                                              // 216 x 3 / 10
  const ThumbPlacement strength = LeftThumbPlacement(-4, 245, true);  // frame 7
  EXPECT_EQ(strength.cell, RectOfSize(464, 203, 59, 29));
  EXPECT_EQ(strength.x, 1);
  EXPECT_EQ(strength.y, 151);  // 216 x 14 / 20
  EXPECT_EQ(LeftThumbPlacement(-10, 245, true).cell, RectOfSize(468, 367, 59, 29));  // frame 10
  const ThumbPlacement top = RightThumbPlacement(10, 234);
  EXPECT_EQ(top.cell, RectOfSize(523, 0, 59, 29));
  EXPECT_EQ(top.x, 2);
  EXPECT_EQ(top.y, 0);
  const ThumbPlacement low = RightThumbPlacement(1, 234);  // frame 9
  EXPECT_EQ(low.cell, RectOfSize(527, 338, 59, 29));
  EXPECT_EQ(low.x, 2);
  EXPECT_EQ(low.y, 184);
}

TEST(MirrorSliders, StrengthZeroShowsTheFaceUnchangedInEveryMirror) {
  WarpModel m;
  Bitmap face(kFaceSize, kFaceSize);
  for (int y = 0; y < kFaceSize; ++y)
    for (int x = 0; x < kFaceSize; ++x) face.At(x, y) = MakePixel(x, y, x ^ y, 0x33);
  m.SetFacePicture(face);
  m.SetCenter(40, 250);
  for (int tag = Horizontal; tag <= Squeeze; ++tag) {
    m.SetMode(tag);
    m.RenderDistorted({0, 0, kFaceSize, kFaceSize}, 1.0, 0.0, 0, 0);
    EXPECT_EQ(m.ViewBitmap(), m.FaceBitmap()) << tag;
  }
}

}  // namespace
}  // namespace quillo
