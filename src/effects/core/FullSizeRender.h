#pragma once
// The mirror window's distortion applied to the photo a face was made from,
// at the photo's own size. The warp field and the mirrors stay defined on the
// 320 x 320 grid of the face; each output pixel is carried into that grid,
// displaced there and carried back:
//
//   The photo (W x H) lies in the face at the rectangle FitInFace(W, H),
//   left, top, width w, height h. Output pixel (X, Y) of the photo is the
//   grid point
//     gx = left + X * (w / W) + (w / W - 1) / 2,
//     gy = top  + Y * (h / H) + (h / H - 1) / 2
//   (pixel centres onto pixel centres). Its displacement (dx, dy) is the
//   warp field sampled bilinearly between its nodes at (gx, gy), times the
//   warp scale, or a mirror's formula evaluated at (gx, gy). The displaced
//   grid point (gx + dx, gy + dy) goes back into the photo,
//     px = (gx + dx - left) * (W / w) + (W / w - 1) / 2,
//     py = (gy + dy - top)  * (H / h) + (H / h - 1) / 2,
//   where the photo is sampled bilinearly, white outside it. A pixel that
//   is not displaced shows itself.
//
// With W = H = 320 every step is exact (the ratios are 1, the offsets 0, the
// grid points the nodes), so the result is the view's own pixels.
#include "WarpModel.h"
#include "base/Bitmap.h"

namespace quillo {

// The photo through the model's field or mirror (its Tag and centre), at
// warp scale s and mirror strength b, as a picture of the photo's size.
// Shared out in bands of rows over the processor's cores; no buffer beyond
// the result and a row of displacements per band.
Bitmap RenderFullSize(const WarpModel& model, const Bitmap& photo, double s, double b);
// The same into out (made the photo's size when it is not): a picture
// rendered again and again need not be allocated each time.
void RenderFullSizeInto(const WarpModel& model, const Bitmap& photo, double s, double b,
                        Bitmap& out);

}  // namespace quillo
