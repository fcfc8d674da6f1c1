// The renderer's kernels for any x86-64 (or other) processor.
#include "RenderRowsImpl.h"

namespace quillo::render {

void RenderRectBaseline(const Frame& f, int tag, Rect r) {
  RenderRect(f, tag, r);
}

void PushFieldBaseline(const Brush& b) {
  PushField(b);
}

}  // namespace quillo::render
