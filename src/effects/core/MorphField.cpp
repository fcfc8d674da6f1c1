#include "MorphField.h"

#include <cmath>
#include <vector>

#include "MorphKernels.h"
#include "base/Bands.h"
#include "base/Cpu.h"

namespace quillo {

namespace {

using morph::PictureLine;
using morph::PreparedLine;

constexpr double kClampLimit = 145.0;
constexpr double kClampValue = 144.0;

// The line field is summed in bands of nodes on the pool's threads once
// there are this many lines. Bands of four nodes keep the vector lanes whole
// and share the hundred nodes out evenly (52 and 48 on two threads).
constexpr std::size_t kBandedLines = 40;
constexpr int kBandNodes = 4;

PictureLine ToPictureLine(RealPoint start, RealPoint end) {
  const double dx = end.x - start.x;
  const double dy = end.y - start.y;
  return {start.x, start.y, dx, dy, dy, -dx, std::sqrt(dx * dx + dy * dy)};
}

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
  return morph::InfluenceAt(*p, node.x, node.y);
}

NodeMaps ComputeNodeMaps(std::span<const MorphLine> lines) {
  std::vector<PreparedLine> prepared;
  prepared.reserve(lines.size());
  for (const MorphLine& line : lines)
    if (std::optional<PreparedLine> p = Prepare(line)) prepared.push_back(*p);

  // Each node sums its lines in index order, whatever the instruction set
  // and however the nodes are shared out.
  const auto kernel = ForThisProcessor(morph::AddLinesBaseline, morph::AddLinesAvx2);
  constexpr int kNodes = morph::kNodes;
  morph::NodeSums sums;
  const auto& [s1x, s1y, s2x, s2y, w] = sums;
  const int count = static_cast<int>(prepared.size());
  if (prepared.size() < kBandedLines)
    kernel(prepared.data(), count, sums, 0, kNodes);
  else
    RunInBands(0, kNodes, kBandNodes,
               [&](int first, int last) { kernel(prepared.data(), count, sums, first, last); });

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
