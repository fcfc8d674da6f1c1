#include "MorphDisplay.h"

#include "MorphEngine.h"
#include "skin/core/SmoothDraw.h"

namespace quillo {

void DrawMorphDisplay(Bitmap& display, const Bitmap& picture) {
  if (display.Width() != kDisplaySize || display.Height() != kDisplaySize)
    display.SetSize(kDisplaySize, kDisplaySize);
  SmoothDraw(display, {0, 0, kDisplaySize, kDisplaySize}, picture);
}

void ShowMorphFrame(MorphModel& morph, int value, int max, Bitmap& display) {
  ComputeFrame(morph, value, max);
  DrawMorphDisplay(display, morph.FrameBitmap());
}

}  // namespace quillo
