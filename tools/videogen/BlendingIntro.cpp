// The blend screen's clone brush at work: the anchor on the cat's eye, a
// stroke pressed on the astronaut's eye that scrubs round and round it, dab
// by dab as the mouse would make them, until the cat's eye looks out of the
// astronaut's face; then the save dialog's cross-fade takes the astronaut
// back.
#include <cmath>
#include <numbers>

#include "Framing.h"
#include "Intros.h"
#include "Video.h"
#include "base/Error.h"
#include "effects/core/BlendBrush.h"
#include "effects/core/BlendFade.h"

namespace videogen {

namespace {

struct Point {
  int x, y;
};

// In the blend faces' 290 x 290 coordinates.
constexpr Point kCatsEye{78, 110};         // the anchor, on the black face
constexpr Point kAstronautsEye{116, 115};  // the press, on the white face
constexpr int kDabs = 120;                 // the press and the moves after it
constexpr int kDabsPerFrame = 3;
constexpr double kScrubReach = 18;  // how far the stroke wanders from the press
constexpr double kTurn = 0.5;       // radians the stroke turns between two moves
constexpr int kRestFrames = 6;      // the finished blend, still
constexpr int kFadeFrames = 27;     // back to the astronaut

// Move i of the stroke: a spiral out from the press and back in.
Point StrokeAt(int i) {
  const double r = kScrubReach * std::sin(std::numbers::pi * i / kDabs);
  return {kAstronautsEye.x + static_cast<int>(std::lround(r * std::cos(kTurn * i))),
          kAstronautsEye.y + static_cast<int>(std::lround(r * std::sin(kTurn * i)))};
}

}  // namespace

Frames BlendingIntro(const quillo::Bitmap& white, const quillo::Bitmap& black) {
  for (const quillo::Bitmap* face : {&white, &black})
    if (face->Width() != kVideoSide || face->Height() != kVideoSide)
      throw quillo::Error("the blend faces must be 290 x 290");
  // The left button's shift: the anchor lands on the press.
  const int ox = kCatsEye.x - kAstronautsEye.x, oy = kCatsEye.y - kAstronautsEye.y;
  quillo::Bitmap blend = white;
  Frames frames{Framed(blend)};
  for (int i = 0; i < kDabs; ++i) {
    const Point p = StrokeAt(i);
    quillo::BlendDab(blend, black, p.x, p.y, ox, oy);
    if ((i + 1) % kDabsPerFrame == 0) frames.push_back(Framed(blend));
  }
  const quillo::Bitmap done = frames.back();
  for (int i = 0; i < kRestFrames; ++i) frames.push_back(done);
  quillo::Bitmap frame = blend;
  for (int i = 1; i <= kFadeFrames; ++i) {
    // 100 % down to nearly 0, slowing at both ends.
    const double t = (1 + std::cos(std::numbers::pi * i / (kFadeFrames + 1))) / 2;
    quillo::RenderBlendFade(frame, white, blend, static_cast<int>(std::lround(100 * t)));
    frames.push_back(Framed(frame));
  }
  return frames;
}

}  // namespace videogen
