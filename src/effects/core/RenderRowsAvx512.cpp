// The renderer's sampling kernels for x86-64 processors with AVX-512 (this
// file is compiled with the AVX-512 extensions it uses and without
// contracting multiplications and additions into fused ones; elsewhere it is
// another baseline).
#include "RenderRowsImpl.h"

namespace quillo::render {

void RenderRectAvx512(const Frame& f, int tag, Rect r) {
  RenderRect(f, tag, r);
}

void SamplePlacesAvx512(const Bitmap& picture, const double* px, const double* py, int n,
                        Pixel* out) {
  SamplePlaces(picture, px, py, n, out);
}

}  // namespace quillo::render
