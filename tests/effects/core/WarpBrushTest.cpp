// The wet-paint brush: presses, drags and the field they leave behind.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "effects/core/WarpModel.h"

namespace quillo {
namespace {

constexpr Rect kAll{0, 0, kFaceSize, kFaceSize};
constexpr int kRadius = 40;

// A face filling the whole square, no pixel of it white.
WarpModel Model() {
  WarpModel m;
  Bitmap face(kFaceSize, kFaceSize);
  for (int y = 0; y < kFaceSize; ++y)
    for (int x = 0; x < kFaceSize; ++x) face.At(x, y) = MakePixel(x % 256, y % 256, 7);
  m.ReplaceFace(face);
  m.SetBrushRadius(kRadius);
  m.SetBrushStrength(0.25);
  return m;
}

double At(const std::vector<double>& field, int x, int y) {
  return field[y * kFaceSize + x];
}

bool IsZero(const std::vector<double>& field) {
  for (double v : field)
    if (v != 0.0) return false;
  return true;
}

// A stroke as the window makes it, the right slider at rest.
void Stroke(WarpModel& m, std::initializer_list<std::pair<int, int>> points) {
  const auto& [x0, y0] = *points.begin();
  ASSERT_TRUE(m.BeginPress(x0, y0, 10));
  m.StartDrag();
  for (auto p = points.begin() + 1; p != points.end(); ++p) m.DragStep(p->first, p->second);
  m.EndDrag();
}

TEST(WarpBrush, OnlyARealStepOfADragMovesTheField) {
  WarpModel m = Model();
  EXPECT_TRUE(m.DragStep(100, 100).IsEmpty());  // a move without a press
  ASSERT_TRUE(m.BeginPress(100, 100, 10));
  EXPECT_TRUE(m.DragStep(130, 100).IsEmpty());  // pressed, but the drag has not started
  m.StartDrag();
  EXPECT_FALSE(m.DragStep(100, 100).IsEmpty());  // a first step of length zero
  EXPECT_TRUE(IsZero(m.ShiftX()) && IsZero(m.ShiftY()));
  m.EndDrag();
  EXPECT_TRUE(m.DragStep(130, 100).IsEmpty());  // a move after the release
  EXPECT_TRUE(IsZero(m.ShiftX()) && IsZero(m.ShiftY()));
}

TEST(WarpBrush, ConeOfRadiusRFullQuarterStepAtThePointer) {
  WarpModel m = Model();
  Stroke(m, {{100, 100}, {108, 100}});
  EXPECT_EQ(At(m.ShiftX(), 108, 100), -8 * 0.25);
  EXPECT_EQ(At(m.ShiftX(), 108 + kRadius / 2, 100), -8 * 0.25 / 2);
  EXPECT_EQ(At(m.ShiftX(), 108 - kRadius, 100), 0.0);
  EXPECT_EQ(At(m.ShiftX(), 108, 100 + kRadius), 0.0);
  EXPECT_LT(At(m.ShiftX(), 108 + 28, 100 + 28), 0.0);  // 39.6 away
  EXPECT_EQ(At(m.ShiftX(), 108 + 29, 100 + 29), 0.0);  // 41.0 away
  EXPECT_TRUE(IsZero(m.ShiftY()));

  // The paint moves with the pointer: the view under it now shows the face
  // from two pixels behind.
  m.RenderDistorted(kAll, 1.0, 0.0, 0, 0);
  EXPECT_EQ(m.ViewBitmap().At(108, 100), m.FaceBitmap().At(106, 100));
}

TEST(WarpBrush, DragStepReturnsTheSquareAroundThePointerCoveringEveryChange) {
  WarpModel m = Model();
  ASSERT_TRUE(m.BeginPress(100, 120, 10));
  m.StartDrag();
  const Rect square = m.DragStep(117, 93);
  EXPECT_EQ(square, (Rect{117 - kRadius, 93 - kRadius, 117 + kRadius, 93 + kRadius}));
  for (int y = 0; y < kFaceSize; ++y)
    for (int x = 0; x < kFaceSize; ++x)
      if (At(m.ShiftX(), x, y) != 0.0 || At(m.ShiftY(), x, y) != 0.0) {
        ASSERT_TRUE(x >= square.left && x < square.right && y >= square.top && y < square.bottom)
            << x << "," << y;
      }
  EXPECT_EQ(m.DragStep(-500, 20),
            (Rect{-500 - kRadius, 20 - kRadius, -500 + kRadius, 20 + kRadius}));
}

TEST(WarpBrush, StrokesAlongAndBeyondTheEdgesStayInsideThePicture) {
  WarpModel m = Model();
  Stroke(m,
         {{0, 0}, {319, 0}, {319, 319}, {0, 319}, {0, 0}, {-30, 160}, {350, 160}, {-9000, -9000}});
  ASSERT_EQ(m.ShiftX().size(), std::size_t{kFaceSize * kFaceSize});
  ASSERT_EQ(m.ShiftY().size(), std::size_t{kFaceSize * kFaceSize});
  EXPECT_EQ(At(m.ShiftX(), 319, 0), -319 * 0.25);
  EXPECT_EQ(At(m.ShiftY(), 0, 0), 319 * 0.25);
  EXPECT_GT(At(m.ShiftX(), 0, 160), 0.0);    // pushed left by the step that left on the left
  EXPECT_LT(At(m.ShiftX(), 319, 160), 0.0);  // pushed right by the one out on the right
  for (int y = kRadius; y < kFaceSize - kRadius; ++y)
    for (int x = kRadius; x < kFaceSize - kRadius; ++x)
      ASSERT_TRUE(At(m.ShiftX(), x, y) == 0.0 && At(m.ShiftY(), x, y) == 0.0) << x << "," << y;
}

TEST(WarpBrush, PressBakesTheRightSliderIntoTheField) {
  for (bool smooth : {true, false}) {
    WarpModel m = Model();
    Stroke(m, {{150, 150}, {170, 140}, {190, 160}});
    m.SetSmooth(smooth);
    const std::vector<double> beforeX = m.ShiftX(), beforeY = m.ShiftY();
    m.RenderDistorted(kAll, 0.5, 0.0, 0, 0);
    const Bitmap halfShown = m.ViewBitmap();

    ASSERT_TRUE(m.BeginPress(10, 10, 5));
    for (std::size_t i = 0; i < beforeX.size(); ++i) {
      ASSERT_EQ(m.ShiftX()[i], beforeX[i] * 0.5) << i;
      ASSERT_EQ(m.ShiftY()[i], beforeY[i] * 0.5) << i;
    }
    m.RenderDistorted(kAll, 1.0, 0.0, 0, 0);
    EXPECT_EQ(m.ViewBitmap(), halfShown) << smooth;
  }
}

TEST(WarpBrush, SecondPressDuringADragIsIgnored) {
  WarpModel m = Model();
  ASSERT_TRUE(m.BeginPress(50, 50, 10));
  m.StartDrag();
  m.DragStep(60, 50);
  const std::vector<double> field = m.ShiftX();
  EXPECT_FALSE(m.BeginPress(200, 200, 5));
  EXPECT_EQ(m.CenterX(), 60);
  EXPECT_EQ(m.CenterY(), 50);
  EXPECT_EQ(m.ShiftX(), field);
  EXPECT_TRUE(m.Dragging());
}

TEST(WarpBrush, WarpingFarInOnePlacePullsWhiteIn) {
  WarpModel m = Model();
  m.RenderDistorted(kAll, 1.0, 0.0, 0, 0);
  for (int y = 0; y < kFaceSize; ++y)
    for (int x = 0; x < kFaceSize; ++x) ASSERT_NE(m.ViewBitmap().At(x, y), kWhite);
  // Each stroke shifts the pointer's place by 7.5 pixels; twelve reach past the edge.
  for (int i = 0; i < 12; ++i) Stroke(m, {{20, 160}, {50, 160}});
  m.RenderDistorted(kAll, 1.0, 0.0, 0, 0);
  EXPECT_EQ(m.ViewBitmap().At(50, 160), kWhite);
  EXPECT_NE(m.ViewBitmap().At(50, 100), kWhite);
}

}  // namespace
}  // namespace quillo

namespace quillo {
namespace {

// The brush as written out plainly: every element of the clipped square,
// skipping d > 1.
void PlainStep(WarpModel& m, int x, int y) {
  const int r = m.BrushRadius();
  std::vector<double> shiftX = m.ShiftX(), shiftY = m.ShiftY();
  for (int row = std::max(y - r, 0); row <= std::min(y + r, kFaceSize - 1); ++row)
    for (int col = std::max(x - r, 0); col <= std::min(x + r, kFaceSize - 1); ++col) {
      const double d =
          std::sqrt(static_cast<double>((col - x) * (col - x) + (row - y) * (row - y))) / r;
      if (d > 1.0) continue;
      shiftX[row * kFaceSize + col] -= (x - m.CenterX()) * (1 - d) * m.BrushStrength();
      shiftY[row * kFaceSize + col] -= (y - m.CenterY()) * (1 - d) * m.BrushStrength();
    }
  m.SetField(std::move(shiftX), std::move(shiftY));
  m.SetCenter(x, y);
}

TEST(WarpBrush, TouchesExactlyTheElementsOfThePlainCircleToTheBit) {
  for (int r : {1, 2, 7, 45, 60, 320}) {
    WarpModel fast = Model();
    fast.SetBrushRadius(r);
    WarpModel plain = fast;
    ASSERT_TRUE(fast.BeginPress(150, 150, 10));
    fast.StartDrag();
    plain.SetCenter(150, 150);
    for (const auto& [x, y] : {std::pair{153, 149}, {-20, 3}, {330, 318}, {319, 0}, {97, 211}}) {
      fast.DragStep(x, y);
      PlainStep(plain, x, y);
    }
    EXPECT_EQ(fast.ShiftX(), plain.ShiftX()) << "radius " << r;
    EXPECT_EQ(fast.ShiftY(), plain.ShiftY()) << "radius " << r;
  }
  WarpModel none = Model();  // a brush without size touches nothing
  none.SetBrushRadius(0);
  Stroke(none, {{100, 100}, {104, 100}});
  EXPECT_TRUE(IsZero(none.ShiftX()));
}

}  // namespace
}  // namespace quillo
