// The morph engine's kernels for x86-64 processors with AVX2 (this file is
// compiled with -mavx2, never with FMA; elsewhere it is a second baseline).
#include "MorphKernelsImpl.h"

namespace quillo::morph {

void AddLinesAvx2(const PreparedLine* lines, int count, NodeSums& sums, int first, int last) {
  AddLines(lines, count, sums, first, last);
}

void FrameRowsAvx2(const FrameRows& f, int first, int last) {
  ComputeRows(f, first, last);
}

}  // namespace quillo::morph
