#include "MorphEngine.h"

#include <algorithm>
#include <span>

#include "MorphField.h"
#include "base/Error.h"

namespace quillo {

namespace {

constexpr int kLast = kMorphSize - 1;
constexpr int kCells = kGridNodes - 1;

// s / 16 for s = 0..15, the weights of the interpolation between nodes.
constexpr std::array<double, kGridStep> kFractions = [] {
  std::array<double, kGridStep> f{};
  for (int s = 0; s < kGridStep; ++s) f[s] = s * 0.0625;
  return f;
}();

// One coordinate of one map at the ten node columns, for all 145 rows.
using NodeColumns = std::array<std::array<double, kMorphSize>, kGridNodes>;

// The source places along the node columns: the nodes, and between them the
// linear interpolation along y.
struct ColumnMaps {
  NodeColumns x1, y1, x2, y2;
};

void FillColumn(std::array<double, kMorphSize>& column) {
  for (int cell = 0; cell < kCells; ++cell) {
    const double top = column[kGridStep * cell];
    const double bottom = column[kGridStep * (cell + 1)];
    for (int s = 1; s < kGridStep; ++s)
      column[kGridStep * cell + s] = top + (bottom - top) * kFractions[s];
  }
}

ColumnMaps FillAlongY(const NodeMaps& nodes) {
  ColumnMaps c;
  for (int k = 0; k < kGridNodes; ++k) {
    for (int j = 0; j < kGridNodes; ++j) {
      c.x1[k][kGridStep * j] = nodes.map1[j][k].x;
      c.y1[k][kGridStep * j] = nodes.map1[j][k].y;
      c.x2[k][kGridStep * j] = nodes.map2[j][k].x;
      c.y2[k][kGridStep * j] = nodes.map2[j][k].y;
    }
    for (NodeColumns* columns : {&c.x1, &c.y1, &c.x2, &c.y2}) FillColumn((*columns)[k]);
  }
  return c;
}

// One coordinate of the source places of row y, as whole pixels: the node
// columns' values, interpolated along x except for column 144, which is a
// node column itself; then truncated toward zero. The clamped nodes already
// keep the places within 0..144; the bound only guards the fetch.
void RowPlaces(const NodeColumns& columns, int y, std::array<int, kMorphSize>& out) {
  std::array<double, kMorphSize> v;
  for (int a = 0; a < kCells; ++a) {
    const double left = columns[a][y];
    const double step = columns[a + 1][y] - left;
    for (int s = 0; s < kGridStep; ++s) v[kGridStep * a + s] = left + step * kFractions[s];
  }
  v[kLast] = columns[kCells][y];
  for (int x = 0; x < kMorphSize; ++x) out[x] = static_cast<int>(std::min(v[x], double{kLast}));
}

// c x f for every channel value c: the two terms of the cross-dissolve.
std::array<double, 256> Scaled(double f) {
  std::array<double, 256> table;
  for (int c = 0; c < 256; ++c) table[c] = c * f;
  return table;
}

}  // namespace

void MoveLinesInBetween(MorphModel& morph, double t) {
  const int count = std::clamp(morph.LineCount, 0, kMaxLines);
  for (int i = 0; i < count; ++i) {
    MorphLine& l = morph.Lines[i];
    l.StartNow = {l.Start1.x + t * (l.Start2.x - l.Start1.x),
                  l.Start1.y + t * (l.Start2.y - l.Start1.y)};
    l.EndNow = {l.End1.x + t * (l.End2.x - l.End1.x), l.End1.y + t * (l.End2.y - l.End1.y)};
  }
}

void ComputeFrame(MorphModel& morph, int value, int max) {
  if (!IsMorphPicture(morph.SourceBitmap1) || !IsMorphPicture(morph.SourceBitmap2))
    throw Error("Morph pictures must be 145 x 145");
  if (!IsMorphPicture(morph.FrameBitmap)) morph.FrameBitmap.SetSize(kMorphSize, kMorphSize);

  if (value <= 0 || max <= 0) {
    morph.FrameBitmap.Draw(0, 0, morph.SourceBitmap1);
    return;
  }
  if (value >= max) {
    morph.FrameBitmap.Draw(0, 0, morph.SourceBitmap2);
    return;
  }

  const double t = static_cast<double>(value) / max;
  const double keep = 1.0 - t;
  MoveLinesInBetween(morph, t);
  const auto count = static_cast<std::size_t>(std::clamp(morph.LineCount, 0, kMaxLines));
  const ColumnMaps columns =
      FillAlongY(ComputeNodeMaps(std::span<const MorphLine>(morph.Lines.data(), count)));

  const std::array<double, 256> kept = Scaled(keep), taken = Scaled(t);
  const Pixel* one = morph.SourceBitmap1.Data();
  const Pixel* two = morph.SourceBitmap2.Data();
  std::array<int, kMorphSize> x1, y1, x2, y2;
  for (int y = 0; y < kMorphSize; ++y) {
    RowPlaces(columns.x1, y, x1);
    RowPlaces(columns.y1, y, y1);
    RowPlaces(columns.x2, y, x2);
    RowPlaces(columns.y2, y, y2);
    Pixel* out = morph.FrameBitmap.Row(y);
    for (int x = 0; x < kMorphSize; ++x) {
      const Pixel p1 = one[y1[x] * kMorphSize + x1[x]];
      const Pixel p2 = two[y2[x] * kMorphSize + x2[x]];
      // trunc(c1 x (1 - t) + c2 x t) for blue, green and red.
      const int blue = static_cast<int>(kept[p1 & 0xFF] + taken[p2 & 0xFF]);
      const int green = static_cast<int>(kept[(p1 >> 8) & 0xFF] + taken[(p2 >> 8) & 0xFF]);
      const int red = static_cast<int>(kept[(p1 >> 16) & 0xFF] + taken[(p2 >> 16) & 0xFF]);
      out[x] = MakePixel(red, green, blue);
    }
  }
}

}  // namespace quillo
