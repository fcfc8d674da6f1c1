// The default face smeared by the warp brush: each gesture is a few strokes
// of the mirror window's brush, made as the mouse would make them, then shown
// growing from the untouched face to its full strength and relaxing again.
#include <algorithm>
#include <cmath>
#include <vector>

#include "FaceView.h"
#include "Framing.h"
#include "Intros.h"
#include "Video.h"
#include "effects/core/MirrorSliders.h"
#include "effects/core/WarpModel.h"

namespace videogen {

namespace {

struct Point {
  int x, y;
};

// A drag from one point to another, pressed at the first.
struct Stroke {
  Point from, to;
};

struct Gesture {
  int brushSlider;  // the left slider, 0 to 10
  int passes;       // how often the strokes are repeated
  std::vector<Stroke> strokes;
};

// In the default face's 320 x 320 coordinates: a grin pulled up to the ears,
// then a chin dragged down into a long jaw.
const std::vector<Gesture> kGestures = {
    {8, 3, {{{132, 180}, {112, 158}}, {{178, 180}, {198, 158}}}},
    {10, 3, {{{155, 185}, {155, 245}}}},
};
constexpr int kFramesPerGesture = 45;
constexpr int kStepPixels = 4;  // how far the pointer moves between two mouse moves
constexpr int kFullScale = 10;  // the warp scale slider at rest

// Presses, drags in mouse-move steps and releases, as the window does.
void Drag(quillo::WarpModel& model, const Stroke& s) {
  model.BeginPress(s.from.x, s.from.y, kFullScale);
  model.StartDrag();
  const int dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
  const int steps = std::max(1, static_cast<int>(std::hypot(dx, dy)) / kStepPixels);
  for (int i = 1; i <= steps; ++i)
    model.DragStep(s.from.x + dx * i / steps, s.from.y + dy * i / steps);
  model.EndDrag();
}

}  // namespace

Frames WarpingIntro(const quillo::Bitmap& face) {
  Frames frames;
  for (const Gesture& gesture : kGestures) {
    quillo::WarpModel model;
    model.SetFacePicture(face);
    model.SetBrushRadius(quillo::BrushRadiusOf(gesture.brushSlider));
    for (int pass = 0; pass < gesture.passes; ++pass)
      for (const Stroke& stroke : gesture.strokes) Drag(model, stroke);
    model.SetMode(quillo::WarpField);
    model.SetSmooth(true);
    for (int i = 0; i < kFramesPerGesture; ++i) {
      // The warp scale slider's job, run smoothly from 0 to 1 and back.
      model.RenderDistorted({0, 0, quillo::kFaceSize, quillo::kFaceSize},
                            Swell(i, kFramesPerGesture), 0.0, 0, 0);
      frames.push_back(Framed(model.ViewBitmap().Copy(kShownPart)));
    }
  }
  return frames;
}

}  // namespace videogen
