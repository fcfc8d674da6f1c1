// The arithmetic of the skinned controls: blending, shapes, glides, timers
// and slider positions, on the worked cases.
#include <gtest/gtest.h>

#include "skin/core/BitmapRegion.h"
#include "skin/core/ButtonTimer.h"
#include "skin/core/CellBlend.h"
#include "skin/core/CellPicture.h"
#include "skin/core/Glide.h"
#include "skin/core/MulDiv.h"
#include "skin/core/SliderGeometry.h"
#include "skin/core/SystemColors.h"

namespace quillo {
namespace {

TEST(ControlMath, MulDivRoundsHalvesAwayFromZeroWithoutOverflow) {
  EXPECT_EQ(MulDiv(245, 5, 10), 123);  // 122.5
  EXPECT_EQ(MulDiv(-245, 5, 10), -123);
  EXPECT_EQ(MulDiv(245, -5, 10), -123);
  EXPECT_EQ(MulDiv(7, 1, 3), 2);  // 2.33
  EXPECT_EQ(MulDiv(-7, 1, 3), -2);
  EXPECT_EQ(MulDiv(136, 100, 272), 50);
  EXPECT_EQ(MulDiv(2000000000, 2000000000, 4000000000 / 2), 2000000000);
}

TEST(ControlMath, BlendRoundsEachQuotientHalfUpAndCapsTheSum) {
  Bitmap out(3, 1, MakePixel(255, 255, 255, 0x42));
  out.At(1, 0) = MakePixel(1, 1, 1);
  out.At(2, 0) = MakePixel(0, 255, 200);
  Bitmap cell(3, 1, MakePixel(255, 255, 255));
  cell.At(1, 0) = MakePixel(1, 0, 1);
  cell.At(2, 0) = MakePixel(0, 255, 255);  // aqua: the key
  BlendCell(out, cell, 0, 0, ColorRefToPixel(kAqua), 50, false);
  EXPECT_EQ(out.At(0, 0), MakePixel(255, 255, 255, 0x42));  // white over white stays 255
  EXPECT_EQ(out.At(1, 0), MakePixel(2, 1, 2));              // 0.5 + 0.5 rounded up twice
  EXPECT_EQ(out.At(2, 0), MakePixel(0, 255, 200));          // the key keeps the background
  EXPECT_EQ(BlendChannel(200, 100, 30), 60 + 70);
  EXPECT_EQ(BlendChannel(255, 255, 1), 255);  // 3 + 252 would be fine; capped anyway

  // Alpha of a 32-bit sheet decides per pixel: opaque, clear, half.
  EXPECT_EQ(AlphaTransparency(255), 0);
  EXPECT_EQ(AlphaTransparency(0), 100);
  EXPECT_EQ(AlphaTransparency(128), 50);  // 50.2 rounds to 50
  Bitmap back(2, 1, MakePixel(0, 0, 0));
  Bitmap glass(2, 1, MakePixel(200, 200, 200, 255));
  glass.At(1, 0) = MakePixel(200, 200, 200, 0);
  BlendCell(back, glass, 0, 0, kNoKey, 0, true);
  EXPECT_EQ(back.At(0, 0), MakePixel(200, 200, 200));
  EXPECT_EQ(back.At(1, 0), MakePixel(0, 0, 0));
}

TEST(ControlMath, AThumbIsBlendedOnlyWhereItLiesInside) {
  Bitmap out(4, 4, 0);
  const Bitmap thumb(3, 3, MakePixel(100, 100, 100));
  BlendCell(out, thumb, 2, -1, kNoKey, 0, false);
  int painted = 0;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) painted += out.At(x, y) != 0;
  EXPECT_EQ(painted, 2 * 2);
  EXPECT_EQ(out.At(3, 1), MakePixel(100, 100, 100));
}

TEST(ControlMath, ShapesAreRunsOfNonKeyPixelsIgnoringTheFourthByte) {
  const Pixel key = ColorRefToPixel(kAqua);
  const Pixel a = MakePixel(10, 20, 30);
  Bitmap row(5, 2, key);
  row.At(1, 0) = row.At(2, 0) = row.At(4, 0) = a;
  row.At(0, 1) = MakePixel(0, 255, 255, 0x99);  // the key with another fourth byte
  row.At(3, 1) = a;
  EXPECT_EQ(ShapeRuns(row, key), (std::vector<Rect>{{1, 0, 3, 1}, {4, 0, 5, 1}, {3, 1, 4, 2}}));
  EXPECT_EQ(ShapeRuns(Bitmap(3, 2, a), key), (std::vector<Rect>{{0, 0, 3, 1}, {0, 1, 3, 2}}));
  EXPECT_TRUE(ShapeRuns(Bitmap(3, 2, key), key).empty());
  // Without a key every pixel, black ones too, is shape.
  EXPECT_EQ(ShapeRuns(Bitmap(2, 1, 0), kNoKey), (std::vector<Rect>{{0, 0, 2, 1}}));
}

TEST(ControlMath, GlidesEaseInAndEndExactly) {
  std::vector<int> offsets;
  for (int t = 50; t <= 500; t += 50) offsets.push_back(GlideOffset(t, 500, 100));
  EXPECT_EQ(offsets, (std::vector<int>{1, 4, 9, 16, 25, 36, 49, 64, 81, 100}));
  EXPECT_EQ(GlideOffset(50, 100, 10), 2);  // 2.5: halves go to even
  EXPECT_EQ(GlideOffset(150, 200, 8), 4);  // 4.5
  EXPECT_EQ(GlideOffset(100, 500, -100), -4);
}

TEST(ControlMath, FadesStepToTheTargetAndStop) {
  ButtonTimer timer;
  timer.StartFade(0, 100, -30);  // the sign of the step follows the direction
  EXPECT_EQ(timer.Interval(), 50);
  std::vector<int> shown;
  while (timer.Running()) {
    ASSERT_EQ(timer.Tick(0), ButtonTimer::Action::Transparency);
    shown.push_back(timer.NewTransparency());
  }
  EXPECT_EQ(shown, (std::vector<int>{30, 60, 90, 100}));
  timer.StartFade(100, 0, 40);
  shown.clear();
  while (timer.Running()) {
    timer.Tick(0);
    shown.push_back(timer.NewTransparency());
  }
  EXPECT_EQ(shown, (std::vector<int>{60, 20, 0}));
}

TEST(ControlMath, AHeldPressRepeatsAfterFourIntervalsThenEveryInterval) {
  ButtonTimer timer;
  timer.StartRepeat(100);
  int clock = 0;
  std::vector<int> repeats;
  while (clock < 800) {
    clock += timer.Interval();
    if (timer.Tick(0) == ButtonTimer::Action::Repeat) repeats.push_back(clock);
  }
  EXPECT_EQ(repeats, (std::vector<int>{400, 500, 600, 700, 800}));
  timer.Stop();  // the release
  EXPECT_EQ(timer.Tick(0), ButtonTimer::Action::None);

  timer.StartCycle(2, 4, 80);
  std::vector<int> cells;
  int index = 2;
  for (int i = 0; i < 4; ++i) {
    ASSERT_EQ(timer.Tick(index), ButtonTimer::Action::NextCell);
    cells.push_back(index = timer.NextIndex());
  }
  EXPECT_EQ(cells, (std::vector<int>{3, 4, 2, 3}));
}

TEST(ControlMath, SliderThumbsAndPointersOnTheWorkedCases) {
  const SliderShape track{300, 15, 28, 15, 0, 100};
  EXPECT_FALSE(track.Vertical());
  EXPECT_EQ(ThumbRect(track, 50), RectOfSize(136, 0, 28, 15));
  EXPECT_EQ(ValueAtPointer(track, 150, 7), 50);     // MulDiv(136, 100, 272)
  EXPECT_EQ(ValueAtPointer(track, 5000, 7), 1833);  // clamped by SetValue, not here
  const SliderShape mirror{65, 245, 59, 0, 0, 10};
  EXPECT_TRUE(mirror.Vertical());
  EXPECT_EQ(ThumbRect(mirror, 5), RectOfSize(3, 123, 59, 0));
  EXPECT_EQ(ValueAtPointer(mirror, 30, 0), 10);  // Max at the top
  EXPECT_EQ(ValueAtPointer(mirror, 30, 245), 0);
  // A square slider is horizontal; equal ends divide nothing by zero.
  EXPECT_FALSE((SliderShape{20, 20, 4, 4, 0, 1}).Vertical());
  const SliderShape flat{300, 15, 28, 15, 7, 7};
  EXPECT_EQ(ThumbRect(flat, 7).left, 0);
  EXPECT_EQ(ValueAtPointer(flat, 200, 3), 7);
  EXPECT_EQ(ThumbRect(SliderShape{15, 300, 15, 28, 7, 7}, 7).top, 272);
}

TEST(ControlMath, CellsOfAnotherSizeAreSqueezedByNearestRows) {
  Bitmap sheet(4, 66);
  for (int y = 0; y < 66; ++y) sheet.FillRect(RectOfSize(0, y, 4, 1), static_cast<Pixel>(y));
  const Bitmap squeezed = CutCell(sheet, RectOfSize(0, 0, 4, 66), 4, 60);
  EXPECT_EQ(squeezed.At(0, 10), 11u);  // row 10 shows cell row 10 x 66 / 60
  EXPECT_EQ(squeezed.At(3, 59), 64u);
  const Bitmap outside = CutCell(sheet, RectOfSize(2, 64, 4, 4), 4, 4);
  EXPECT_EQ(outside.At(1, 1), 65u);
  EXPECT_EQ(outside.At(3, 3), 0u);  // beyond the sheet: black
}

TEST(ControlMath, SystemColoursAreResolvedBeforeComparison) {
  EXPECT_EQ(KeyPixelOf(kColorNone), kNoKey);
  EXPECT_EQ(KeyPixelOf(kAqua), MakePixel(0, 255, 255));
  SetSystemColorResolver([](int index) { return index == 15 ? MakeColorRef(1, 2, 3) : 0; });
  EXPECT_EQ(KeyPixelOf(0x8000000Fu), MakePixel(1, 2, 3));
  SetSystemColorResolver(nullptr);
  EXPECT_EQ(KeyPixelOf(0x8000000Fu), MakePixel(192, 192, 192));
}

}  // namespace
}  // namespace quillo
