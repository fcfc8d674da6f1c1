// The renderer's kernels for processors with AVX2 (this file is compiled with
// -mavx2, never with FMA). Elsewhere it falls back to the baseline kernels.
#include "RenderRowsImpl.h"

namespace quillo::render {

#if defined(__AVX2__)
void RenderRectAvx2(const Frame& f, int tag, Rect r) {
  RenderRect(f, tag, r);
}
#else
void RenderRectAvx2(const Frame& f, int tag, Rect r) {
  RenderRectBaseline(f, tag, r);
}
#endif

}  // namespace quillo::render
