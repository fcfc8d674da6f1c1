#include "MorphEngine.h"

#include <algorithm>
#include <span>

#include "MorphField.h"
#include "skin/core/Error.h"

namespace quillo {

namespace {

constexpr int kLast = kMorphSize - 1;
constexpr double kStepFraction = 1.0 / kGridStep;

// The source places of the ten node columns for all 145 rows: the nodes, and
// between them the linear interpolation along y.
struct ColumnMaps {
  std::array<std::array<RealPoint, kMorphSize>, kGridNodes> map1;
  std::array<std::array<RealPoint, kMorphSize>, kGridNodes> map2;
};

RealPoint Between(RealPoint a, RealPoint b, double f) {
  return {a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f};
}

void FillColumn(std::array<RealPoint, kMorphSize>& column) {
  for (int cell = 0; cell < kGridNodes - 1; ++cell) {
    const RealPoint top = column[kGridStep * cell];
    const RealPoint bottom = column[kGridStep * (cell + 1)];
    for (int s = 1; s < kGridStep; ++s)
      column[kGridStep * cell + s] = Between(top, bottom, s * kStepFraction);
  }
}

ColumnMaps FillAlongY(const NodeMaps& nodes) {
  ColumnMaps columns;
  for (int k = 0; k < kGridNodes; ++k) {
    for (int j = 0; j < kGridNodes; ++j) {
      columns.map1[k][kGridStep * j] = nodes.map1[j][k];
      columns.map2[k][kGridStep * j] = nodes.map2[j][k];
    }
    FillColumn(columns.map1[k]);
    FillColumn(columns.map2[k]);
  }
  return columns;
}

// The source place of pixel column x in row y: the node column itself for
// x = 144, otherwise interpolated between the node columns around x.
RealPoint AlongX(const std::array<std::array<RealPoint, kMorphSize>, kGridNodes>& columns, int x,
                 int y) {
  const int a = x / kGridStep;
  const int s = x % kGridStep;
  if (x == kLast) return columns[a][y];
  return Between(columns[a][y], columns[a + 1][y], s * kStepFraction);
}

// Whole pixels, truncated toward zero. The clamped nodes already keep the
// places within 0..144; the bound only guards the fetch against rounding.
int PixelIndex(double v) {
  return std::min(static_cast<int>(v), kLast);
}

int Channel(Pixel p1, Pixel p2, int shift, double keep, double t) {
  const double c1 = (p1 >> shift) & 0xFF;
  const double c2 = (p2 >> shift) & 0xFF;
  return static_cast<int>(c1 * keep + c2 * t);
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

  for (int y = 0; y < kMorphSize; ++y) {
    Pixel* out = morph.FrameBitmap.Row(y);
    for (int x = 0; x < kMorphSize; ++x) {
      const RealPoint m1 = AlongX(columns.map1, x, y);
      const RealPoint m2 = AlongX(columns.map2, x, y);
      const Pixel p1 = morph.SourceBitmap1.At(PixelIndex(m1.x), PixelIndex(m1.y));
      const Pixel p2 = morph.SourceBitmap2.At(PixelIndex(m2.x), PixelIndex(m2.y));
      out[x] = MakePixel(Channel(p1, p2, 16, keep, t), Channel(p1, p2, 8, keep, t),
                         Channel(p1, p2, 0, keep, t));
    }
  }
}

}  // namespace quillo
