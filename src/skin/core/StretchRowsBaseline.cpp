// SmoothDraw's kernels for any x86-64 (or other) processor.
#include "StretchRowsImpl.h"

namespace quillo::stretch {

void StretchRowsBaseline(const Plan& p, int first, int last) {
  StretchRows(p, first, last);
}

}  // namespace quillo::stretch
