#include "effects/core/MorphKernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "base/Cpu.h"

namespace quillo::morph {
namespace {

// Every sum the same to the bit; a sum gone to NaN only needs to be NaN on
// both sides, as which operand's NaN an addition passes on is the
// compiler's choice.
bool SameBits(const NodeSums& a, const NodeSums& b) {
  for (auto sum : {&NodeSums::s1x, &NodeSums::s1y, &NodeSums::s2x, &NodeSums::s2y, &NodeSums::w})
    for (int n = 0; n < kNodes; ++n) {
      const double x = (a.*sum)[n], y = (b.*sum)[n];
      if (!(std::isnan(x) && std::isnan(y)) && std::memcmp(&x, &y, sizeof x) != 0) return false;
    }
  return true;
}

// The line sums of the vector kernel equal the scalar ones bit for bit, for
// node ranges that split the vector lanes, and for lines whose quantities
// are zero, halves, far away, infinite or not a number.
TEST(MorphKernels, LineSumsAgreeBitForBit) {
  if (!HasAvx2()) GTEST_SKIP() << "no AVX2 on this processor";
  std::mt19937 random(3);
  std::uniform_real_distribution<double> place(-40.0, 190.0);
  const double specials[] = {0.0,
                             -0.0,
                             0.5,
                             16.0,
                             1e300,
                             -1e-300,
                             std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()};
  std::vector<PreparedLine> lines(300);
  for (PreparedLine& l : lines) {
    double fields[sizeof l / sizeof(double)];
    for (double& f : fields) f = random() % 12 == 0 ? specials[random() % 8] : place(random);
    std::memcpy(&l, fields, sizeof l);
  }
  for (const auto& [first, last] : {std::pair{0, kNodes}, std::pair{3, 98}, std::pair{50, 51}}) {
    NodeSums scalar, vector;
    AddLinesBaseline(lines.data(), static_cast<int>(lines.size()), scalar, first, last);
    AddLinesAvx2(lines.data(), static_cast<int>(lines.size()), vector, first, last);
    ASSERT_TRUE(SameBits(scalar, vector)) << first << ".." << last;
  }
}

// The frame rows of the vector kernel equal the scalar ones for places on
// and between pixels, at both edges, and for any cross-dissolve weight.
TEST(MorphKernels, FrameRowsAgreeBitForBit) {
  if (!HasAvx2()) GTEST_SKIP() << "no AVX2 on this processor";
  std::mt19937 random(4);
  std::uniform_real_distribution<double> place(0.0, 144.0);
  const double specials[] = {0.0, 144.0, 0.5, 143.5, 16.0, 1e-9};
  NodeColumns columns[4];
  for (NodeColumns& c : columns)
    for (auto& column : c)
      for (double& v : column) v = random() % 5 == 0 ? specials[random() % 6] : place(random);
  Bitmap one(kMorphSize, kMorphSize), two(kMorphSize, kMorphSize);
  for (Bitmap* b : {&one, &two})
    for (int y = 0; y < kMorphSize; ++y)
      for (int x = 0; x < kMorphSize; ++x) b->At(x, y) = static_cast<Pixel>(random());
  for (double t : {0.01, 0.37, 0.5, 0.99}) {
    Bitmap scalar(kMorphSize, kMorphSize), vector(kMorphSize, kMorphSize);
    FrameRowsBaseline({columns[0], columns[1], columns[2], columns[3], one.Data(), two.Data(),
                       1.0 - t, t, scalar},
                      0, kMorphSize);
    FrameRowsAvx2({columns[0], columns[1], columns[2], columns[3], one.Data(), two.Data(), 1.0 - t,
                   t, vector},
                  0, kMorphSize);
    ASSERT_EQ(scalar, vector) << t;
  }
}

}  // namespace
}  // namespace quillo::morph
