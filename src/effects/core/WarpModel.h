#pragma once
// The mirror window's state and renderer, without any toolkit: the face as
// loaded, the displacement field and the rendered view. One renderer serves
// the warp field and the four mirrors in two qualities (bilinear and a
// nearest-pixel preview).
#include <optional>
#include <vector>

#include "MirrorKind.h"
#include "base/Bitmap.h"

namespace quillo {

// A warp scale or mirror strength for the renderer, or UseSliderValue: take
// the current slider's value instead.
using SliderOrValue = std::optional<double>;
inline constexpr std::nullopt_t UseSliderValue = std::nullopt;

constexpr int kFaceSize = 320;
// The mirror window's client area.
constexpr int kWarpWindowWidth = 320;
constexpr int kWarpWindowHeight = 307;

class WarpModel {
 public:
  WarpModel();

  // Installs a new face: fits the picture into the 320 x 320 face on white
  // and clears the displacement field.
  void SetFacePicture(const Bitmap& picture);

  // Renders the rectangle of ViewBitmap (which must lie inside the face)
  // from FaceBitmap. UseSliderValue as warpScale means rightSlider x 0.1, as
  // mirrorStrength leftSlider x 0.1.
  void RenderDistorted(Rect rect, SliderOrValue warpScale, SliderOrValue mirrorStrength,
                       int leftSlider, int rightSlider);

  // A press in the window: the drag begins at (x, y) and the warp scale the
  // view shows (rightSlider x 0.1) is baked into the field, so that the field
  // holds exactly what is shown. The caller then puts the right slider back
  // to 10 in Warping mode and calls StartDrag. False, and nothing done, when
  // a drag is already in progress.
  bool BeginPress(int x, int y, int rightSlider);
  void StartDrag() {
    Smooth = true;
    Dragging = true;
  }
  void EndDrag() { Dragging = false; }

  // One move of a warp drag to (x, y): the cone brush of BrushRadius pushes
  // the field under the pointer along by the step from the previous
  // position. Returns the square to repaint, (x - R, y - R)-(x + R, y + R);
  // empty without a drag.
  Rect DragStep(int x, int y);

  bool Dragging = false;
  int CenterX = 0;
  int CenterY = 0;
  std::vector<double> ShiftX;  // row-major, index y x 320 + x
  std::vector<double> ShiftY;
  Bitmap FaceBitmap;
  Bitmap ViewBitmap;
  bool Smooth = true;
  int BrushRadius = 30;
  double BrushStrength = 0.25;
  int Tag = WarpField;

 private:
  // The brush's cone for the radius last used (see render::Brush).
  std::vector<double> cone_;
  int coneRadius_ = 0;
};

}  // namespace quillo
