// SmoothDraw's kernels for x86-64 processors with AVX2 (this file is compiled
// with -mavx2, never with FMA; elsewhere it is a second baseline).
#include "StretchRowsImpl.h"

namespace quillo::stretch {

void StretchRowsAvx2(const Plan& p, int first, int last) {
  StretchRows(p, first, last);
}

}  // namespace quillo::stretch
