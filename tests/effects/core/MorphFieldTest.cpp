#include "effects/core/MorphField.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "effects/core/MorphEngine.h"

namespace quillo {
namespace {

// A line whose in-between ends are P = (16, 16) and Q = (48, 48), lying
// elsewhere in the two pictures.
MorphLine WorkedLine() {
  MorphLine l;
  l.Start1 = {10, 20};
  l.End1 = {50, 60};
  l.Start2 = {20, 12};
  l.End2 = {44, 52};
  l.StartNow = {16, 16};
  l.EndNow = {48, 48};
  return l;
}

const double kWorkedLength = std::sqrt(2048.0);

TEST(MorphField, WorkedNodeOutsideTheCircleOverTheLine) {
  const MorphLine l = WorkedLine();
  const auto r = InfluenceOf(l, {0, 0});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->a, 512);
  EXPECT_EQ(r->b, 4608);
  EXPECT_EQ(r->c, 1536);
  EXPECT_EQ(r->d, 1536);
  EXPECT_NEAR(r->weight, 1.918e-5, 0.001e-5);
  EXPECT_NEAR(r->weight, kWorkedLength / (1536.0 * 1536.0), 1e-15);
  EXPECT_EQ(r->u, -0.5);
  EXPECT_EQ(r->v, 0);
  // Each picture's start minus half its line vector.
  EXPECT_NEAR(r->point1.x, 10 - 20, 1e-12);
  EXPECT_NEAR(r->point1.y, 20 - 20, 1e-12);
  EXPECT_NEAR(r->point2.x, 20 - 12, 1e-12);
  EXPECT_NEAR(r->point2.y, 12 - 20, 1e-12);
}

TEST(MorphField, WorkedNodeInsideTheCircleMapsToTheMidpoints) {
  const MorphLine l = WorkedLine();
  const auto r = InfluenceOf(l, {32, 32});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->a, 512);
  EXPECT_EQ(r->b, 512);
  EXPECT_EQ(r->c, -512);
  EXPECT_EQ(r->d, 512);  // the squared distance to the nearer end
  EXPECT_NEAR(r->weight, 1.726e-4, 0.001e-4);
  EXPECT_EQ(r->u, 0.5);
  EXPECT_EQ(r->v, 0);
  EXPECT_NEAR(r->point1.x, 30, 1e-12);
  EXPECT_NEAR(r->point1.y, 40, 1e-12);
  EXPECT_NEAR(r->point2.x, 32, 1e-12);
  EXPECT_NEAR(r->point2.y, 32, 1e-12);
}

TEST(MorphField, NodeOnTheCircleDominatesAndLeftOfTravelIsPositive) {
  const MorphLine l = WorkedLine();
  // (16, 48) sees the line's ends at a right angle: c = 0.
  const auto on = InfluenceOf(l, {16, 48});
  ASSERT_TRUE(on);
  EXPECT_EQ(on->c, 0);
  EXPECT_NEAR(on->weight / (kWorkedLength * 1e16), 1.0, 1e-12);
  // Travelling down and to the right, the node up and to the right is on the left.
  const auto left = InfluenceOf(l, {48, 16});
  ASSERT_TRUE(left);
  EXPECT_NEAR(left->v, 32.0 * 32.0 / kWorkedLength, 1e-12);
  const auto right = InfluenceOf(l, {16, 48});
  EXPECT_LT(right->v, 0);
}

TEST(MorphField, HorizontalVerticalAndCollapsedLinesTakeNoPart) {
  MorphLine l = WorkedLine();
  l.End2.y = l.Start2.y;  // horizontal in picture 2
  EXPECT_FALSE(InfluenceOf(l, {0, 0}));
  l = WorkedLine();
  l.End1.x = l.Start1.x;  // vertical in picture 1
  EXPECT_FALSE(InfluenceOf(l, {0, 0}));
  l = WorkedLine();
  l.EndNow = l.StartNow;  // direction reversed between the pictures, met half-way
  EXPECT_FALSE(InfluenceOf(l, {0, 0}));
  l = WorkedLine();
  l.Start2 = {1e-200, 1e-200};  // differing ends whose distance underflows to 0
  l.End2 = {2e-200, 3e-200};
  EXPECT_FALSE(InfluenceOf(l, {0, 0}));
  EXPECT_TRUE(InfluenceOf(WorkedLine(), {0, 0}));
}

TEST(MorphField, NodesWithoutLinesOrWithAgreeingLinesMapToThemselves) {
  const NodeMaps none = ComputeNodeMaps({});
  MorphModel m;
  m.AddLine(LineAt({20, 30}, {90, 70}));
  m.AddLine(LineAt({120, 10}, {60, 130}));
  MoveLinesInBetween(m, 0.5);
  const NodeMaps same = ComputeNodeMaps({m.Lines().data(), 2});
  for (int j = 0; j < kGridNodes; ++j) {
    for (int k = 0; k < kGridNodes; ++k) {
      const RealPoint node{16.0 * k, 16.0 * j};
      EXPECT_EQ(none.map1[j][k], node);
      EXPECT_EQ(none.map2[j][k], node);
      EXPECT_NEAR(same.map1[j][k].x, node.x, 1e-9);
      EXPECT_NEAR(same.map1[j][k].y, node.y, 1e-9);
      EXPECT_NEAR(same.map2[j][k].x, node.x, 1e-9);
      EXPECT_NEAR(same.map2[j][k].y, node.y, 1e-9);
    }
  }
}

// A diagonal line moved by (dx, 0) from picture 1 to picture 2, at t = 0.5.
NodeMaps ShiftedLineMaps(double dx) {
  MorphModel m;
  MorphLine l = LineAt({40, 40}, {100, 100});
  l.Start2.x += dx;
  l.End2.x += dx;
  m.AddLine(l);
  MoveLinesInBetween(m, 0.5);
  return ComputeNodeMaps({m.Lines().data(), 1});
}

TEST(MorphField, ShiftedLineMapsHalfTheShiftEachWayAndClampsAtTheEdges) {
  const NodeMaps maps = ShiftedLineMaps(10);
  for (int j = 0; j < kGridNodes; ++j) {
    for (int k = 0; k < kGridNodes; ++k) {
      const double x = 16.0 * k, y = 16.0 * j;
      if (k == 0) {
        EXPECT_EQ(maps.map1[j][k].x, 0.0);  // -5 is clamped to 0
      } else {
        EXPECT_NEAR(maps.map1[j][k].x, x - 5, 1e-9);
      }
      if (k == kGridNodes - 1) {
        EXPECT_EQ(maps.map2[j][k].x, 144.0);  // 149 is clamped to 144
      } else {
        EXPECT_NEAR(maps.map2[j][k].x, x + 5, 1e-9);
      }
      EXPECT_NEAR(maps.map1[j][k].y, y, 1e-9);
      EXPECT_NEAR(maps.map2[j][k].y, y, 1e-9);
    }
  }
}

TEST(MorphField, ValuesFrom144UpToButBelow145StayUnclamped) {
  const NodeMaps maps = ShiftedLineMaps(1);  // half a pixel each way
  EXPECT_NEAR(maps.map2[3][kGridNodes - 1].x, 144.5, 1e-9);
  EXPECT_NEAR(maps.map2[3][kGridNodes - 1].y, 48, 1e-9);
}

TEST(MorphField, AbsurdCoordinatesStillGiveNodesInsideThePicture) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double bad : {nan, inf, -inf, 1e300, -1e300}) {
    MorphLine l = LineAt({10, 10}, {50, 70});
    l.End2 = {bad, 3};
    l.StartNow = {10, 10};
    l.EndNow = {bad, bad};
    const NodeMaps maps = ComputeNodeMaps({&l, 1});
    for (int j = 0; j < kGridNodes; ++j) {
      for (int k = 0; k < kGridNodes; ++k) {
        for (const RealPoint p : {maps.map1[j][k], maps.map2[j][k]}) {
          ASSERT_TRUE(p.x >= 0 && p.x < 145) << bad;
          ASSERT_TRUE(p.y >= 0 && p.y < 145) << bad;
        }
      }
    }
  }
}

}  // namespace
}  // namespace quillo
