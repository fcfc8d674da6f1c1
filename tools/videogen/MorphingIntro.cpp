// The start-up morph run by the morph engine from its first face to its
// second and back, shown at the morph screen's 290 x 290.
#include <algorithm>
#include <cmath>

#include "Framing.h"
#include "Intros.h"
#include "Video.h"
#include "effects/core/MorphDisplay.h"
#include "effects/core/MorphEngine.h"

namespace videogen {

namespace {

constexpr int kFrames = 75;
// Positions finer than the slider's hundredths, for a smooth motion.
constexpr int kPositions = 100 * 100;

}  // namespace

Frames MorphingIntro(quillo::MorphModel morph) {
  Frames frames;
  quillo::Bitmap display;
  for (int i = 0; i < kFrames; ++i) {
    // Every frame comes from the engine: its frames sit up to a pixel apart
    // from the plain copy of a face that position 0 gives, which would jerk
    // at the loop's seam.
    const auto position = std::clamp(static_cast<int>(std::lround(Swell(i, kFrames) * kPositions)),
                                     1, kPositions - 1);
    quillo::ComputeFrame(morph, position, kPositions);
    quillo::DrawMorphDisplay(display, morph.FrameBitmap());
    frames.push_back(Framed(display));
  }
  return frames;
}

}  // namespace videogen
