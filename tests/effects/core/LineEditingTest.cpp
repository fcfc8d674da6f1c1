#include "effects/core/LineEditing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace quillo {
namespace {

constexpr auto kOne = MorphPicture::One;
constexpr auto kTwo = MorphPicture::Two;
constexpr EditOutcome kBoth{true, true};
constexpr EditOutcome kNone{};

TEST(LineEditing, ALeftPressOnEmptySpaceDrawsALineInBothPicturesUntilRelease) {
  MorphModel m;
  LineEditing e;
  EXPECT_EQ(e.MouseDown(m, kTwo, EditButton::Left, 10, 20), kBoth);
  ASSERT_EQ(m.LineCount(), 1);
  EXPECT_EQ(m.Lines()[0], LineAt({10, 20}, {10, 20}));
  EXPECT_TRUE(e.Drawing);
  EXPECT_EQ(e.MouseMove(m, kTwo, 60, -5), kBoth);  // outside the box too
  EXPECT_EQ(m.Lines()[0], LineAt({10, 20}, {60, -5}));
  EXPECT_EQ(e.MouseUp(), kBoth);
  EXPECT_FALSE(e.Drawing);
  EXPECT_EQ(e.HotLine, 0);  // until the next move
  EXPECT_EQ(e.MouseMove(m, kOne, 100, 100), kBoth);
  EXPECT_EQ(e.HotLine, -1);
  EXPECT_EQ(e.MouseMove(m, kOne, 101, 100), kNone);  // nothing changed
}

TEST(LineEditing, ThePressPicksTheEndToDragInThePressedPictureOnly) {
  MorphModel m;
  m.AddLine(LineAt({10, 10}, {12, 12}));  // both ends near (11, 11): the start wins
  LineEditing e;
  e.MouseMove(m, kTwo, 11, 11);
  ASSERT_EQ(e.HotLine, 0);
  e.MouseDown(m, kTwo, EditButton::Left, 11, 11);
  EXPECT_EQ(e.DragHandle, dhStart2);
  EXPECT_EQ(e.MouseMove(m, kTwo, 40, 50), (EditOutcome{false, true}));
  e.MouseUp();
  EXPECT_EQ(m.Lines()[0].Start2, (RealPoint{40, 50}));
  EXPECT_EQ(m.Lines()[0].Start1, (RealPoint{10, 10}));

  // A press away from the hot line's start drags its end, even far away.
  e.MouseDown(m, kOne, EditButton::Left, 100, 100);
  EXPECT_EQ(e.DragHandle, dhEnd1);
  EXPECT_EQ(e.MouseMove(m, kOne, 90, 80), (EditOutcome{true, false}));
  EXPECT_EQ(m.Lines()[0].End1, (RealPoint{90, 80}));
  EXPECT_EQ(m.Lines()[0].End2, (RealPoint{12, 12}));
  EXPECT_EQ(m.LineCount(), 1);
}

TEST(LineEditing, HoveringFindsTheLatestLineNearAnEndOfTheBoxsPicture) {
  MorphModel m;
  m.AddLine(LineAt({50, 50}, {80, 90}));
  m.AddLine(LineAt({20, 20}, {50, 50}));
  MorphLine elsewhere = LineAt({0, 0}, {5, 140});
  elsewhere.Start2 = {50, 50};  // only picture 2's end lies there
  m.AddLine(elsewhere);
  EXPECT_EQ(LineNear(m, kOne, 52, 51), 1);
  EXPECT_EQ(LineNear(m, kTwo, 52, 51), 2);
  // Strictly less than 4 pixels, from the ends truncated to whole pixels.
  m.MoveLineEnd(0, LineEnd::End1, {80.9, 90.9});
  EXPECT_EQ(LineNear(m, kOne, 83, 92), 0);   // 3, 2 away
  EXPECT_EQ(LineNear(m, kOne, 84, 90), -1);  // 4 away
  EXPECT_EQ(LineNear(m, kOne, 83, 93), -1);  // 3, 3 away
}

TEST(LineEditing, ARightPressDeletesTheHotLineAndEndsWhateverWasGoingOn) {
  MorphModel m;
  m.AddLine(LineAt({10, 10}, {40, 40}));
  m.AddLine(LineAt({100, 10}, {120, 40}));
  LineEditing e;
  EXPECT_EQ(e.MouseDown(m, kOne, EditButton::Right, 70, 70), kNone);  // no hot line
  // Right press while the third line is being drawn: it goes, and the
  // next move touches no other line.
  e.MouseDown(m, kOne, EditButton::Left, 70, 70);
  EXPECT_EQ(e.MouseDown(m, kOne, EditButton::Right, 70, 70), kBoth);
  EXPECT_EQ(m.LineCount(), 2);
  EXPECT_EQ((std::pair{e.HotLine, e.Drawing}), (std::pair{-1, false}));
  e.MouseMove(m, kOne, 11, 11);
  EXPECT_EQ(m.Lines()[1], LineAt({100, 10}, {120, 40}));
  ASSERT_EQ(e.HotLine, 0);
  e.MouseDown(m, kOne, EditButton::Right, 11, 11);
  ASSERT_EQ(m.LineCount(), 1);
  EXPECT_EQ(m.Lines()[0].Start1.x, 100);
  EXPECT_EQ(e.MouseDown(m, kOne, EditButton::Other, 100, 10), kNone);
}

TEST(LineEditing, AHotLineThatNoLongerExistsCountsAsNone) {
  MorphModel m;
  m.AddLine(LineAt({10, 10}, {40, 40}));
  LineEditing e;
  e.MouseMove(m, kOne, 10, 10);
  m.ClearLines();  // a new face came in under the pointer
  e.MouseDown(m, kOne, EditButton::Right, 10, 10);
  EXPECT_EQ(m.LineCount(), 0);
  e.MouseDown(m, kOne, EditButton::Left, 10, 10);
  EXPECT_EQ(m.LineCount(), 1);
  EXPECT_TRUE(e.Drawing);
}

TEST(LineEditing, NoLineStartsBeyondTheThousandth) {
  MorphModel m;
  for (int i = 0; i < kMaxLines; ++i) m.AddLine(LineAt({-50, 0}, {-40, 1}));
  LineEditing e;
  EXPECT_EQ(e.MouseDown(m, kOne, EditButton::Left, 70, 70), EditOutcome{.lineRefused = true});
  EXPECT_EQ((std::pair{e.HotLine, e.Drawing}), (std::pair{-1, false}));
  EXPECT_EQ(e.MouseMove(m, kOne, 80, 80), kNone);
  EXPECT_EQ(m.LineCount(), kMaxLines);
}

TEST(LineEditing, AbsurdCoordinatesFromAFileBecomeFarAwayPixels) {
  EXPECT_EQ(WholePixel(-2.7), -2);
  EXPECT_EQ(WholePixel(144.99), 144);
  EXPECT_EQ(WholePixel(1e300), kFarPixel);
  EXPECT_EQ(WholePixel(-1e300), -kFarPixel);
  EXPECT_EQ(WholePixel(std::numeric_limits<double>::quiet_NaN()), -kFarPixel);
  EXPECT_FALSE(NearPoint(0, 0, {std::nan(""), 0}));
  EXPECT_FALSE(NearPoint(kFarPixel, 0, {-1e300, 0}));
}

}  // namespace
}  // namespace quillo
