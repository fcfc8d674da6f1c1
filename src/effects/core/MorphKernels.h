#pragma once
// The morph engine's two inner loops: the lines' weighted sums at the grid
// nodes, and the frame's rows from the node columns, each built for the
// baseline instruction set and for AVX2 and chosen at run time (base/Cpu.h).
// Both give bit-identical results: every lane performs the scalar code's
// IEEE operations in its order, and each node sums its lines in index order.
#include <array>

#include "MorphField.h"
#include "MorphModel.h"

namespace quillo::morph {

// A picture's copy of a line: start, direction, the direction turned a
// quarter (D.y, -D.x), and length.
struct PictureLine {
  double px, py, dx, dy, nx, ny, length;
};

// Everything about a line that does not depend on the node.
struct PreparedLine {
  double px, py, qx, qy, dx, dy;
  double lengthSquared;  // D.x^2 + D.y^2, which is also |P - Q|^2
  double length;         // L
  double rootLength;     // sqrt(L)
  PictureLine one, two;
};

constexpr int kNodes = kGridNodes * kGridNodes;
constexpr double kDistanceOffset = 1e-8;

// Per node n (the node (16 (n mod 10), 16 (n div 10))): the weighted sums of
// the moves to picture 1 and 2, and of the weights.
struct NodeSums {
  std::array<double, kNodes> s1x{}, s1y{}, s2x{}, s2y{}, w{};
};

// Adds every line's share, in line order, to the nodes first..last-1.
void AddLinesBaseline(const PreparedLine* lines, int count, NodeSums& sums, int first, int last);
void AddLinesAvx2(const PreparedLine* lines, int count, NodeSums& sums, int first, int last);

// What one line contributes at the node (x, y), computed as the sums use it.
LineInfluence InfluenceAt(const PreparedLine& line, double x, double y);

// s / 16 for s = 0..15, the weights of the interpolation between nodes.
inline constexpr std::array<double, kGridStep> kFractions = [] {
  std::array<double, kGridStep> f{};
  for (int s = 0; s < kGridStep; ++s) f[s] = s * 0.0625;
  return f;
}();

// One coordinate of one map at the ten node columns, for all 145 rows.
using NodeColumns = std::array<std::array<double, kMorphSize>, kGridNodes>;

// What the frame's rows are made of: the source places along the node
// columns, the pictures and the cross-dissolve's weights.
struct FrameRows {
  const NodeColumns& x1;
  const NodeColumns& y1;
  const NodeColumns& x2;
  const NodeColumns& y2;
  const Pixel* one;
  const Pixel* two;
  double keep;  // 1 - t
  double take;  // t
  Bitmap& frame;
};

// Computes the frame's rows first..last-1.
void FrameRowsBaseline(const FrameRows& f, int first, int last);
void FrameRowsAvx2(const FrameRows& f, int first, int last);

}  // namespace quillo::morph
