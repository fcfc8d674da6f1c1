#pragma once
// The line field of a morph frame, evaluated at the 10 x 10 grid nodes
// (0, 16, ..., 144 on each axis): for every node, the place in picture 1 and
// the place in picture 2 that the frame's pixel there is taken from.
#include <array>
#include <optional>
#include <span>

#include "MorphLine.h"

namespace quillo {

constexpr int kGridStep = 16;
constexpr int kGridNodes = 10;  // per axis; the last node lies on row and column 144

// What one line contributes at one node (X), with P, Q its in-between ends.
struct LineInfluence {
  double a = 0;       // |X - P|^2
  double b = 0;       // |X - Q|^2
  double c = 0;       // (X - P) . (X - Q)
  double d = 0;       // closeness: c outside the circle over the line, else min(a, b)
  double weight = 0;  // L / (d + 1e-8)^2, L the in-between length
  double u = 0;       // position along the line, 0 at P and 1 at Q
  double v = 0;       // signed distance from the line, positive to its left
  RealPoint point1;   // the corresponding point in picture 1
  RealPoint point2;   // and in picture 2
};

// The influence of a line at a node, from its in-between ends StartNow and
// EndNow. None for a line that is not usable, and none when its in-between
// segment has no length (its direction reverses between the pictures): the
// quantities would divide by zero, so such a line sits out that frame. So
// does a line whose ends lie too close together for their distance to be
// represented (differences below about 1e-154).
std::optional<LineInfluence> InfluenceOf(const MorphLine& line, RealPoint node);

// Source places of the nodes, indexed [j][k] for the node (16k, 16j).
struct NodeMaps {
  std::array<std::array<RealPoint, kGridNodes>, kGridNodes> map1;
  std::array<std::array<RealPoint, kGridNodes>, kGridNodes> map2;
};

// The weighted field of the lines at every node. A node without any
// contribution maps to itself; every mapped coordinate is clamped so that
// below 0 gives 0 and 145 or more gives 144.
NodeMaps ComputeNodeMaps(std::span<const MorphLine> lines);

}  // namespace quillo
