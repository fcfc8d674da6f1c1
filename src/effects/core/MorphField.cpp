#include "MorphField.h"

#include <cmath>
#include <vector>

namespace quillo {

namespace {

constexpr double kDistanceOffset = 1e-8;
constexpr double kClampLimit = 145.0;
constexpr double kClampValue = 144.0;

// A picture's copy of a line: start, direction, the direction turned a
// quarter (D.y, -D.x), and length.
struct PictureLine {
  double px, py, dx, dy, nx, ny, length;
};

PictureLine ToPictureLine(RealPoint start, RealPoint end) {
  const double dx = end.x - start.x;
  const double dy = end.y - start.y;
  return {start.x, start.y, dx, dy, dy, -dx, std::sqrt(dx * dx + dy * dy)};
}

// Everything about a line that does not depend on the node.
struct PreparedLine {
  double px, py, qx, qy, dx, dy;
  double lengthSquared;  // D.x^2 + D.y^2, which is also |P - Q|^2
  double length;         // L
  double rootLength;     // sqrt(L)
  PictureLine one, two;
};

std::optional<PreparedLine> Prepare(const MorphLine& line) {
  if (!IsUsable(line)) return std::nullopt;
  PreparedLine p;
  p.px = line.StartNow.x;
  p.py = line.StartNow.y;
  p.qx = line.EndNow.x;
  p.qy = line.EndNow.y;
  p.dx = p.qx - p.px;
  p.dy = p.qy - p.py;
  p.lengthSquared = p.dx * p.dx + p.dy * p.dy;
  if (p.lengthSquared == 0.0) return std::nullopt;
  p.length = std::sqrt(p.lengthSquared);
  p.rootLength = std::sqrt(p.length);
  p.one = ToPictureLine(line.Start1, line.End1);
  p.two = ToPictureLine(line.Start2, line.End2);
  // Ends so close that the length underflows to 0 would divide by zero too.
  if (p.one.length == 0.0 || p.two.length == 0.0) return std::nullopt;
  return p;
}

RealPoint Corresponding(const PictureLine& k, double u, double v) {
  return {k.px + u * k.dx + v * k.nx / k.length, k.py + u * k.dy + v * k.ny / k.length};
}

inline LineInfluence Influence(const PreparedLine& l, double x, double y) {
  LineInfluence r;
  const double ax = x - l.px, ay = y - l.py;
  const double bx = x - l.qx, by = y - l.qy;
  r.a = ax * ax + ay * ay;
  r.b = bx * bx + by * by;
  r.c = (r.a + r.b - l.lengthSquared) * 0.5;
  r.d = r.c >= 0 ? r.c : (r.a >= r.b ? r.b : r.a);
  const double q = l.rootLength / (r.d + kDistanceOffset);
  r.weight = q * q;
  r.u = (ax * l.dx + ay * l.dy) / l.lengthSquared;
  r.v = (ax * l.dy + ay * -l.dx) / l.length;
  r.point1 = Corresponding(l.one, r.u, r.v);
  r.point2 = Corresponding(l.two, r.u, r.v);
  return r;
}

// Written as "not at least 0" so that a coordinate gone undefined (NaN, from
// absurd line coordinates in a file) is clamped too.
double Clamp(double v) {
  if (!(v >= 0.0)) return 0.0;
  if (v >= kClampLimit) return kClampValue;
  return v;
}

}  // namespace

std::optional<LineInfluence> InfluenceOf(const MorphLine& line, RealPoint node) {
  const std::optional<PreparedLine> p = Prepare(line);
  if (!p) return std::nullopt;
  return Influence(*p, node.x, node.y);
}

NodeMaps ComputeNodeMaps(std::span<const MorphLine> lines) {
  std::vector<PreparedLine> prepared;
  prepared.reserve(lines.size());
  for (const MorphLine& line : lines)
    if (std::optional<PreparedLine> p = Prepare(line)) prepared.push_back(*p);

  // Lines outside, nodes inside: each node still sums its lines in index order.
  constexpr int kNodes = kGridNodes * kGridNodes;
  std::array<double, kNodes> s1x{}, s1y{}, s2x{}, s2y{}, w{};
  for (const PreparedLine& line : prepared) {
    for (int n = 0; n < kNodes; ++n) {
      const double x = kGridStep * (n % kGridNodes);
      const double y = kGridStep * (n / kGridNodes);
      const LineInfluence r = Influence(line, x, y);
      s1x[n] += r.weight * (r.point1.x - x);
      s1y[n] += r.weight * (r.point1.y - y);
      s2x[n] += r.weight * (r.point2.x - x);
      s2y[n] += r.weight * (r.point2.y - y);
      w[n] += r.weight;
    }
  }

  NodeMaps maps;
  for (int n = 0; n < kNodes; ++n) {
    const int j = n / kGridNodes, k = n % kGridNodes;
    const double x = kGridStep * k, y = kGridStep * j;
    if (w[n] == 0.0) {
      maps.map1[j][k] = maps.map2[j][k] = {x, y};
      continue;
    }
    maps.map1[j][k] = {Clamp(x + s1x[n] / w[n]), Clamp(y + s1y[n] / w[n])};
    maps.map2[j][k] = {Clamp(x + s2x[n] / w[n]), Clamp(y + s2y[n] / w[n])};
  }
  return maps;
}

}  // namespace quillo
