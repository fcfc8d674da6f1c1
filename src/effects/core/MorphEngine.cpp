#include "MorphEngine.h"

#include <algorithm>
#include <span>

#include "MorphField.h"
#include "MorphKernels.h"
#include "base/Bands.h"
#include "base/Cpu.h"
#include "base/Error.h"

namespace quillo {

namespace {

constexpr int kCells = kGridNodes - 1;

using morph::kFractions;
using morph::NodeColumns;

// A frame is computed in bands of this many rows on the pool's threads.
constexpr int kBandRows = 16;

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

}  // namespace

void MoveLinesInBetween(MorphModel& morph, double t) {
  const int count = std::clamp(morph.lineCount_, 0, kMaxLines);
  for (int i = 0; i < count; ++i) {
    MorphLine& l = morph.lines_[i];
    l.StartNow = {l.Start1.x + t * (l.Start2.x - l.Start1.x),
                  l.Start1.y + t * (l.Start2.y - l.Start1.y)};
    l.EndNow = {l.End1.x + t * (l.End2.x - l.End1.x), l.End1.y + t * (l.End2.y - l.End1.y)};
  }
}

void ComputeFrame(MorphModel& morph, int value, int max) {
  if (!IsMorphPicture(morph.face1_) || !IsMorphPicture(morph.face2_))
    throw Error("Morph pictures must be 145 x 145");
  if (!IsMorphPicture(morph.frame_)) morph.frame_.SetSize(kMorphSize, kMorphSize);

  if (value <= 0 || max <= 0) {
    morph.frame_.Draw(0, 0, morph.face1_);
    return;
  }
  if (value >= max) {
    morph.frame_.Draw(0, 0, morph.face2_);
    return;
  }

  const double t = static_cast<double>(value) / max;
  const double keep = 1.0 - t;
  MoveLinesInBetween(morph, t);
  const auto count = static_cast<std::size_t>(std::clamp(morph.lineCount_, 0, kMaxLines));
  const ColumnMaps columns =
      FillAlongY(ComputeNodeMaps(std::span<const MorphLine>(morph.lines_.data(), count)));

  const auto kernel = ForThisProcessor(morph::FrameRowsBaseline, morph::FrameRowsAvx2);
  const morph::FrameRows rows{columns.x1,          columns.y1,          columns.x2, columns.y2,
                              morph.face1_.Data(), morph.face2_.Data(), keep,       t,
                              morph.frame_};
  RunInBands(0, kMorphSize, kBandRows, [&](int first, int last) { kernel(rows, first, last); });
}

}  // namespace quillo
