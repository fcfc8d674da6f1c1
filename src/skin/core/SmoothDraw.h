#pragma once
// Scaling pictures for display: a bilinear stretch without half-pixel offset
// (SmoothDraw) and an aspect-keeping, centred fit on a filled rectangle
// (CenterDraw). Both draw 24-bit colour: the fourth byte of every pixel they
// write is 0.
#include "base/Bitmap.h"

namespace quillo {

// Stretches the picture so that it exactly covers the rectangle (clipped to
// the canvas). Does nothing when the picture has no pixels.
void SmoothDraw(Bitmap& canvas, Rect rect, const Bitmap& picture);

// The rectangle, inside a rectangle of size rw x rh at the origin, that
// CenterDraw gives a picture of size pw x ph.
Rect CenterRect(int rw, int rh, int pw, int ph);

// Fills the rectangle with the brush, then draws the picture scaled to fit,
// centred, with SmoothDraw. Does nothing at all when the picture is empty.
void CenterDraw(Bitmap& canvas, Rect rect, const Bitmap& picture, Pixel brush);

}  // namespace quillo
