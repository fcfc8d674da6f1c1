// The morph engine's kernels for any x86-64 (or other) processor.
#include "MorphKernelsImpl.h"

namespace quillo::morph {

void AddLinesBaseline(const PreparedLine* lines, int count, NodeSums& sums, int first, int last) {
  AddLines(lines, count, sums, first, last);
}

void FrameRowsBaseline(const FrameRows& f, int first, int last) {
  ComputeRows(f, first, last);
}

LineInfluence InfluenceAt(const PreparedLine& line, double x, double y) {
  return Influence(line, x, y);
}

}  // namespace quillo::morph
