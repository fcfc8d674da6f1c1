#include "effects/core/FaceLines.h"

#include <gtest/gtest.h>

#include <cmath>

#include "effects/core/MorphModel.h"

namespace quillo {
namespace {

double Distance(RealPoint a, RealPoint b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

Box Around(double x, double y, double r) {
  return {x - r, y - r, 2 * r, 2 * r};
}

// A human face of 80 pixels with its eyes found where such a box has them.
FaceBoxes Human() {
  return {FaceKind::Human, {30, 20, 80, 80}, {Around(56, 51, 6), Around(84, 51, 6)}, {}, {}};
}

FaceBoxes Cat() {
  return {FaceKind::Cat, {10, 10, 120, 120}, {}, {}, {}};
}

TEST(FaceLines, EveryLineIsUsedByTheEngineAndLiesInThePicture) {
  // A level face puts the eyes and the mouth on exactly horizontal lines and
  // the nose on a vertical one, which the engine would ignore; a face at the
  // picture's edge has points beyond it.
  FaceBoxes atEdge = Human();
  atEdge.face = {-20, -30, 100, 100};
  atEdge.eyes.clear();
  for (const FaceBoxes& a : {Human(), Cat(), atEdge}) {
    for (const FaceBoxes& b : {Human(), Cat(), atEdge}) {
      const std::vector<MorphLine> lines = MatchedLines(PlaceFacePoints(a), PlaceFacePoints(b));
      ASSERT_EQ(lines.size(), FeatureLines().size());
      for (const MorphLine& line : lines) {
        EXPECT_TRUE(IsUsable(line));
        EXPECT_GE(std::abs(line.End1.x - line.Start1.x), 1.0);
        EXPECT_GE(std::abs(line.End1.y - line.Start1.y), 1.0);
        EXPECT_GE(std::abs(line.End2.x - line.Start2.x), 1.0);
        EXPECT_GE(std::abs(line.End2.y - line.Start2.y), 1.0);
        for (const RealPoint p : {line.Start1, line.End1, line.Start2, line.End2}) {
          EXPECT_GE(p.x, 0.0);
          EXPECT_LE(p.x, kMorphSize - 1.0);
          EXPECT_GE(p.y, 0.0);
          EXPECT_LE(p.y, kMorphSize - 1.0);
        }
      }
    }
  }
}

TEST(FaceLines, LineIOfOneFaceAndOfTheOtherJoinTheSameFeature) {
  const FacePoints human = PlaceFacePoints(Human());
  const FacePoints cat = PlaceFacePoints(Cat());
  const std::vector<MorphLine> lines = MatchedLines(human, cat);
  const std::vector<FeatureLine>& features = FeatureLines();
  ASSERT_GE(features.size(), 15u);
  // The eyes come first, then the brows, the nose and the mouth.
  EXPECT_EQ(features[0].start, kLeftEyeOuter);
  EXPECT_EQ(features[4].end, kNoseTip);
  EXPECT_EQ(features[5].start, kMouthLeft);
  // Face one in picture 1, face two in picture 2; the cat's mouth lies
  // under its nose's tip as the human's does.
  EXPECT_LE(Distance(lines[4].End1, human[kNoseTip]), 1.0);  // nudged off the vertical
  EXPECT_LE(Distance(lines[4].End2, cat[kNoseTip]), 1.0);
  EXPECT_GT(cat[kMouthLeft].y, cat[kNoseTip].y);
  EXPECT_LT(cat[kLeftEyeOuter].x, cat[kRightEyeOuter].x);
}

TEST(FaceLines, BoxesAreFittedIntoTheFaceAsCenterDrawFitsThePicture) {
  // 290 x 145 is drawn at half size, 72 rows high from row 36.
  const FaceBoxes found{FaceKind::Human, {0, 0, 290, 145}, {{100, 50, 20, 20}}, {}, {}};
  const FaceBoxes framed = InMorphFrame(found, 290, 145);
  EXPECT_DOUBLE_EQ(framed.face.x, 0);
  EXPECT_DOUBLE_EQ(framed.face.y, 36);
  EXPECT_DOUBLE_EQ(framed.face.w, 145);
  EXPECT_NEAR(framed.face.h, 72, 0.5);
  ASSERT_EQ(framed.eyes.size(), 1u);
  EXPECT_DOUBLE_EQ(framed.eyes[0].x, 50);
  EXPECT_NEAR(framed.eyes[0].y, 36 + 25, 0.5);
}

TEST(FaceLines, TheEyePairIsTakenFromTheCandidatesAndTurnsTheFace) {
  // A nostril found as an eye is passed over; the pair is tilted.
  FaceBoxes face = Human();
  face.eyes = {Around(70, 75, 5), Around(54, 48, 6), Around(86, 56, 6)};
  const FacePoints p = PlaceFacePoints(face);
  EXPECT_LT(Distance({(p[kLeftEyeOuter].x + p[kLeftEyeInner].x) / 2,
                      (p[kLeftEyeOuter].y + p[kLeftEyeInner].y) / 2},
                     {54, 48}),
            1.5);
  // The eye line follows the tilt of the pair, and the nose goes down square to it.
  EXPECT_NEAR(
      (p[kRightEyeOuter].y - p[kLeftEyeOuter].y) / (p[kRightEyeOuter].x - p[kLeftEyeOuter].x),
      8.0 / 32, 0.01);
  EXPECT_LT(p[kNoseTip].x, p[kNoseBridge].x);
}

TEST(FaceLines, WithoutEyesTheFaceBoxGivesThemTheirUsualPlace) {
  FaceBoxes face = Human();
  face.eyes = {Around(20, 130, 6)};  // nowhere near an eye
  const FacePoints p = PlaceFacePoints(face);
  // Level and symmetric about the box's middle, in its upper half.
  EXPECT_NEAR(p[kLeftEyeOuter].y, p[kRightEyeOuter].y, 1e-9);
  EXPECT_NEAR(p[kLeftEyeOuter].x + p[kRightEyeOuter].x, 2 * 70, 1e-9);
  EXPECT_GT(p[kLeftEyeOuter].y, 20 + 20);
  EXPECT_LT(p[kLeftEyeOuter].y, 20 + 50);
  EXPECT_GT(p[kMouthLeft].y, p[kNoseTip].y);
}

TEST(FaceLines, ASmileSetsTheMouthsDepthAndWidth) {
  FaceBoxes face = Human();
  const FacePoints before = PlaceFacePoints(face);
  face.mouths = {{55, 76, 30, 12}, {0, 0, 10, 5}};
  const FacePoints after = PlaceFacePoints(face);
  EXPECT_GT(after[kMouthLeft].y, before[kMouthLeft].y);
  EXPECT_NEAR(after[kMouthRight].x - after[kMouthLeft].x, 2 * 0.47 * 30, 0.5);
  EXPECT_GT(after[kChinBottom].y, before[kChinBottom].y);
}

TEST(FaceLines, ACatsNostrilsTellWhichWayItsHeadIsTurned) {
  FaceBoxes cat = Cat();
  cat.eyes = {Around(45, 60, 6), Around(95, 60, 6)};
  const FacePoints ahead = PlaceFacePoints(cat);
  EXPECT_NEAR(ahead[kNoseTip].x, 70, 1e-9);
  cat.noses = {Around(80, 100, 4)};
  const FacePoints turned = PlaceFacePoints(cat);
  EXPECT_NEAR(turned[kNoseTip].x, 80, 0.5);
  EXPECT_GT(turned[kMouthLeft].x, ahead[kMouthLeft].x);
  // The outline stays where it was.
  EXPECT_NEAR(turned[kCheekLeft].x, ahead[kCheekLeft].x, 1e-9);
}

}  // namespace
}  // namespace quillo
