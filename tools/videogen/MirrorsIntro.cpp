// The default face in the four fun-house mirrors in turn: each mirror's
// strength rises from the plain face and falls back to it, so that the cut to
// the next mirror shows the same face on both sides.
#include "FaceView.h"
#include "Framing.h"
#include "Intros.h"
#include "Video.h"
#include "effects/core/WarpModel.h"

namespace videogen {

namespace {

struct Mirror {
  quillo::MirrorKind kind;
  double strength;  // at the height of its turn, -1 to 1
};

const Mirror kMirrors[] = {
    {quillo::Horizontal, 1.0},
    {quillo::Vertical, 1.0},
    {quillo::Radial, 0.7},
    {quillo::Squeeze, -1.0},
};
constexpr int kFramesPerMirror = 22;

}  // namespace

Frames MirrorsIntro(const quillo::Bitmap& face) {
  quillo::WarpModel model;
  model.SetFacePicture(face);
  model.SetSmooth(true);
  // The mirrors' centre as the Mirrors screen sets it.
  model.SetCenter(quillo::kFaceSize / 2, quillo::kFaceSize / 2);
  Frames frames;
  for (const Mirror& mirror : kMirrors) {
    model.SetMode(mirror.kind);
    for (int i = 0; i < kFramesPerMirror; ++i) {
      model.RenderDistorted({0, 0, quillo::kFaceSize, quillo::kFaceSize}, 0.0,
                            mirror.strength * Swell(i, kFramesPerMirror), 0, 0);
      frames.push_back(Framed(model.ViewBitmap().Copy(kShownPart)));
    }
  }
  return frames;
}

}  // namespace videogen
