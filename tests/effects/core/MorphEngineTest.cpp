#include "effects/core/MorphEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "base/Error.h"

namespace quillo {
namespace {

Bitmap Filled(Pixel p) {
  return Bitmap(kMorphSize, kMorphSize, p);
}

// A face whose every pixel differs, with a fourth byte the engine must not copy.
Bitmap Pattern(int seed) {
  Bitmap b(kMorphSize, kMorphSize);
  for (int y = 0; y < kMorphSize; ++y)
    for (int x = 0; x < kMorphSize; ++x)
      b.At(x, y) =
          MakePixel((x * 7 + seed) % 256, (y * 5 + 3 * seed) % 256, (x * y + seed) % 256, 0xA5);
  return b;
}

MorphModel WithFaces(Bitmap one, Bitmap two) {
  MorphModel m;
  m.SetFace(MorphPicture::One, std::move(one));
  m.SetFace(MorphPicture::Two, std::move(two));
  return m;
}

Pixel Blend(Pixel p1, Pixel p2, double t) {
  auto c = [&](int shift) {
    return static_cast<int>(((p1 >> shift) & 0xFF) * (1 - t) + ((p2 >> shift) & 0xFF) * t);
  };
  return MakePixel(c(16), c(8), c(0));
}

// The frame computed literally, node by node and line by line over full
// 145 x 145 source maps, as an oracle for the engine's reordered loops.
Bitmap ReferenceFrame(const MorphModel& m, double t) {
  std::vector<MorphLine> lines(m.Lines().begin(), m.Lines().begin() + m.LineCount());
  for (MorphLine& l : lines) {
    l.StartNow = {l.Start1.x + t * (l.Start2.x - l.Start1.x),
                  l.Start1.y + t * (l.Start2.y - l.Start1.y)};
    l.EndNow = {l.End1.x + t * (l.End2.x - l.End1.x), l.End1.y + t * (l.End2.y - l.End1.y)};
  }
  std::vector<RealPoint> map1(145 * 145), map2(145 * 145);
  auto at = [](std::vector<RealPoint>& map, int x, int y) -> RealPoint& {
    return map[x * 145 + y];
  };
  auto clamp = [](double v) { return v < 0 ? 0.0 : v >= 145.0 ? 144.0 : v; };
  for (int y = 0; y <= 144; y += 16) {
    for (int x = 0; x <= 144; x += 16) {
      double s1x = 0, s1y = 0, s2x = 0, s2y = 0, w = 0;
      for (const MorphLine& l : lines) {
        if (l.Start1.x == l.End1.x || l.Start1.y == l.End1.y || l.Start2.x == l.End2.x ||
            l.Start2.y == l.End2.y)
          continue;
        const RealPoint p = l.StartNow, q = l.EndNow;
        const double dx = q.x - p.x, dy = q.y - p.y;
        if (dx * dx + dy * dy == 0) continue;
        const double a = (x - p.x) * (x - p.x) + (y - p.y) * (y - p.y);
        const double b = (x - q.x) * (x - q.x) + (y - q.y) * (y - q.y);
        const double c = (a + b - ((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y))) * 0.5;
        const double d = c >= 0 ? c : a >= b ? b : a;
        const double len = std::sqrt(dx * dx + dy * dy);
        const double root = std::sqrt(len) / (d + 1e-8);
        const double weight = root * root;
        const double u = ((x - p.x) * dx + (y - p.y) * dy) / (dx * dx + dy * dy);
        const double v = ((x - p.x) * dy + (y - p.y) * -dx) / len;
        auto offset = [&](RealPoint pk, RealPoint qk, double& sx, double& sy) {
          const double kx = qk.x - pk.x, ky = qk.y - pk.y;
          const double lk = std::sqrt(kx * kx + ky * ky);
          sx += weight * (pk.x + u * kx + v * ky / lk - x);
          sy += weight * (pk.y + u * ky + v * -kx / lk - y);
        };
        offset(l.Start1, l.End1, s1x, s1y);
        offset(l.Start2, l.End2, s2x, s2y);
        w += weight;
      }
      if (w == 0) {
        at(map1, x, y) = at(map2, x, y) = {double(x), double(y)};
      } else {
        at(map1, x, y) = {clamp(x + s1x / w), clamp(y + s1y / w)};
        at(map2, x, y) = {clamp(x + s2x / w), clamp(y + s2y / w)};
      }
    }
  }
  for (auto* map : {&map1, &map2}) {
    for (int x = 0; x <= 144; x += 16)
      for (int b = 0; b < 9; ++b)
        for (int s = 1; s < 16; ++s) {
          const RealPoint top = at(*map, x, 16 * b), bottom = at(*map, x, 16 * b + 16);
          at(*map, x, 16 * b + s) = {top.x + (bottom.x - top.x) * s / 16,
                                     top.y + (bottom.y - top.y) * s / 16};
        }
  }
  Bitmap frame(145, 145);
  for (int y = 0; y < 145; ++y) {
    for (int x = 0; x < 145; ++x) {
      RealPoint m1 = at(map1, x, y), m2 = at(map2, x, y);
      if (x != 144) {
        const int a = x / 16, s = x % 16;
        const RealPoint l1 = at(map1, 16 * a, y), r1 = at(map1, 16 * a + 16, y);
        const RealPoint l2 = at(map2, 16 * a, y), r2 = at(map2, 16 * a + 16, y);
        m1 = {l1.x + (r1.x - l1.x) * s / 16, l1.y + (r1.y - l1.y) * s / 16};
        m2 = {l2.x + (r2.x - l2.x) * s / 16, l2.y + (r2.y - l2.y) * s / 16};
      }
      frame.At(x, y) = Blend(m.SourceBitmap1().At(int(m1.x), int(m1.y)),
                             m.SourceBitmap2().At(int(m2.x), int(m2.y)), t);
    }
  }
  return frame;
}

TEST(MorphEngine, EndsOfTheRangeCopyAPictureAndComputeNothingElse) {
  MorphModel m = WithFaces(Pattern(1), Pattern(2));
  MorphLine l = LineAt({10, 20}, {80, 90});
  l.Start2 = {30, 40};
  const RealPoint untouched{-7, -7};
  l.StartNow = l.EndNow = untouched;
  m.AddLine(l);

  ComputeFrame(m, 0, 100);
  EXPECT_EQ(m.FrameBitmap(), m.SourceBitmap1());  // the fourth byte included
  EXPECT_EQ(m.Lines()[0].StartNow, untouched);
  ComputeFrame(m, 100, 100);
  EXPECT_EQ(m.FrameBitmap(), m.SourceBitmap2());
  EXPECT_EQ(m.Lines()[0].EndNow, untouched);
}

TEST(MorphEngine, WithoutUsableLinesTheFrameIsThePlainBlend) {
  MorphModel m = WithFaces(Filled(MakePixel(255, 0, 200, 0xFF)), Filled(MakePixel(0, 255, 101)));
  ComputeFrame(m, 50, 100);
  EXPECT_EQ(m.FrameBitmap(), Filled(MakePixel(127, 127, 150)));

  // Lines horizontal or vertical in either picture take no part.
  MorphModel p = WithFaces(Pattern(3), Pattern(4));
  MorphLine horizontal = LineAt({10, 10}, {100, 10});
  horizontal.End1.y = 60;  // slanted in picture 1 only
  p.AddLine(horizontal);
  MorphLine vertical = LineAt({30, 20}, {30, 120});
  vertical.Start2.x = 90;  // slanted in picture 2 only
  p.AddLine(vertical);
  ComputeFrame(p, 37, 100);
  for (int y = 0; y < kMorphSize; ++y)
    for (int x = 0; x < kMorphSize; ++x)
      ASSERT_EQ(p.FrameBitmap().At(x, y),
                Blend(p.SourceBitmap1().At(x, y), p.SourceBitmap2().At(x, y), 0.37))
          << x << "," << y;
}

TEST(MorphEngine, InBetweenPointsAreWrittenForEveryLine) {
  MorphModel m = WithFaces(Pattern(1), Pattern(2));
  MorphLine usable = LineAt({10, 20}, {80, 90});
  usable.Start2 = {30, 60};
  usable.End2 = {100, 10};
  m.AddLine(usable);
  MorphLine flat = LineAt({0, 50}, {144, 50});
  flat.End2 = {120, 50};
  m.AddLine(flat);
  ComputeFrame(m, 25, 100);
  EXPECT_EQ(m.Lines()[0].StartNow, (RealPoint{15, 30}));
  EXPECT_EQ(m.Lines()[0].EndNow, (RealPoint{85, 70}));
  EXPECT_EQ(m.Lines()[1].StartNow, (RealPoint{0, 50}));
  EXPECT_EQ(m.Lines()[1].EndNow, (RealPoint{138, 50}));
}

TEST(MorphEngine, MatchesTheLiteralComputationBitForBit) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> coordinate(-20, 164);
  for (int lines : {1, 3, 17, 60}) {
    MorphModel m = WithFaces(Pattern(lines), Pattern(lines + 9));
    for (int i = 0; i < lines; ++i) {
      MorphLine l;
      for (RealPoint* p : {&l.Start1, &l.End1, &l.Start2, &l.End2})
        *p = {double(coordinate(random)), double(coordinate(random))};
      m.AddLine(l);
    }
    for (int value : {1, 33, 50, 99}) {
      ComputeFrame(m, value, 100);
      ASSERT_EQ(m.FrameBitmap(), ReferenceFrame(m, value / 100.0))
          << lines << " lines at " << value;
    }
  }
}

TEST(MorphEngine, ShiftedLineMovesThePicturesHalfWayEachWay) {
  // Picture 1 has a bright column at x = 60, picture 2 one at x = 80; a
  // diagonal line moved by (+10, 0) brings both to about x = 65 and 75.
  Bitmap one = Filled(0), two = Filled(0);
  for (int y = 0; y < kMorphSize; ++y) {
    one.At(60, y) = MakePixel(254, 0, 0);
    two.At(80, y) = MakePixel(0, 0, 254);
  }
  MorphModel m = WithFaces(one, two);
  MorphLine l = LineAt({40, 40}, {100, 100});
  l.Start2.x += 10;
  l.End2.x += 10;
  m.AddLine(l);
  ComputeFrame(m, 50, 100);
  for (int y = 0; y < kMorphSize; ++y) {
    std::vector<int> red, blue;
    for (int x = 0; x < kMorphSize; ++x) {
      if (Red(m.FrameBitmap().At(x, y))) red.push_back(x);
      if (Blue(m.FrameBitmap().At(x, y))) blue.push_back(x);
    }
    ASSERT_EQ(red.size(), 1u) << y;
    ASSERT_EQ(blue.size(), 1u) << y;
    EXPECT_NEAR(red[0], 65, 1) << y;
    EXPECT_NEAR(blue[0], 75, 1) << y;
    EXPECT_EQ(m.FrameBitmap().At(red[0], y), MakePixel(127, 0, 0));
  }
}

TEST(MorphEngine, PlacesBeyondThePictureFetchItsEdges) {
  // Moved by (+300, 0): picture 1 is fetched from its left column
  // throughout, picture 2 from its right column.
  Bitmap one = Filled(0), two = Filled(0);
  for (int y = 0; y < kMorphSize; ++y) {
    one.At(0, y) = MakePixel(200, 0, 0);
    two.At(144, y) = MakePixel(0, 0, 200);
  }
  MorphModel m = WithFaces(one, two);
  MorphLine l = LineAt({20, 20}, {120, 120});
  l.Start2.x += 300;
  l.End2.x += 300;
  m.AddLine(l);
  ComputeFrame(m, 50, 100);
  EXPECT_EQ(m.FrameBitmap(), Filled(MakePixel(100, 0, 100)));
}

TEST(MorphEngine, CollapsedInBetweenLineSitsOutThatFrame) {
  // Reversed between the pictures, the line has no length half-way.
  MorphLine reversed = LineAt({10, 10}, {50, 50});
  reversed.Start2 = {50, 50};
  reversed.End2 = {10, 10};
  MorphModel alone = WithFaces(Pattern(5), Pattern(6));
  alone.AddLine(reversed);
  ComputeFrame(alone, 50, 100);
  MorphModel none = WithFaces(Pattern(5), Pattern(6));
  ComputeFrame(none, 50, 100);
  EXPECT_EQ(alone.FrameBitmap(), none.FrameBitmap());

  MorphLine other = LineAt({20, 100}, {120, 30});
  other.Start2 = {30, 90};
  MorphModel both = WithFaces(Pattern(5), Pattern(6));
  both.AddLine(reversed);
  both.AddLine(other);
  ComputeFrame(both, 50, 100);
  MorphModel single = WithFaces(Pattern(5), Pattern(6));
  single.AddLine(other);
  ComputeFrame(single, 50, 100);
  EXPECT_EQ(both.FrameBitmap(), single.FrameBitmap());
  // At another position the line has a length and takes part again.
  ComputeFrame(both, 40, 100);
  ComputeFrame(single, 40, 100);
  EXPECT_NE(both.FrameBitmap(), single.FrameBitmap());
}

TEST(MorphEngine, AbsurdLineCoordinatesNeverFetchOutsideThePictures) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double bad : {nan, std::numeric_limits<double>::infinity(), 1e300, -1e300}) {
    MorphModel m = WithFaces(Pattern(1), Pattern(2));
    MorphLine l = LineAt({10, 10}, {50, 70});
    l.End2 = {bad, bad};
    m.AddLine(l);
    m.AddLine(LineAt({bad, 1}, {2, bad}));
    ComputeFrame(m, 50, 100);  // the sanitizers watch the fetches
    EXPECT_EQ(m.FrameBitmap().Width(), kMorphSize);
  }
}

TEST(MorphEngine, EveryFramePixelHasFourthByteZero) {
  MorphModel m = WithFaces(Pattern(1), Pattern(2));
  MorphLine l = LineAt({10, 20}, {80, 130});
  l.End2 = {140, 144};
  m.AddLine(l);
  ComputeFrame(m, 63, 100);
  for (int y = 0; y < kMorphSize; ++y)
    for (int x = 0; x < kMorphSize; ++x) ASSERT_EQ(Fourth(m.FrameBitmap().At(x, y)), 0);
}

TEST(MorphEngine, RefusesFacesOfAnotherSize) {
  MorphModel m = WithFaces(Bitmap(100, 145), Pattern(2));
  EXPECT_THROW(ComputeFrame(m, 50, 100), Error);
}

}  // namespace
}  // namespace quillo
