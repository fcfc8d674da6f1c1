#pragma once
// The mirror window's state and renderer, without any toolkit: the face as
// loaded, the displacement field and the rendered view. One renderer serves
// the warp field and the four mirrors in two qualities (bilinear and a
// nearest-pixel preview). The state changes only through the methods below.
#include <memory>
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

// Where a picture of w x h lands in the 320 x 320 face: scaled to fit with
// its proportions kept, centred.
Rect FitInFace(int w, int h);

class WarpModel {
 public:
  WarpModel();

  // Installs a new face: fits the picture into the 320 x 320 face on white
  // and clears the displacement field. A picture larger than the face is
  // kept as the photo, for renders at its own size (FullSizeRender.h).
  void SetFacePicture(const Bitmap& picture);
  // The same with a picture that is shared, not copied, when kept.
  void SetFacePicture(std::shared_ptr<const Bitmap> picture);
  // Installs a face of exactly 320 x 320 as it is, with the photo it was
  // made from, if any; the field stays.
  void ReplaceFace(const Bitmap& face, std::shared_ptr<const Bitmap> photo = nullptr);
  // Replaces the displacement field (both of 320 x 320 values, row-major).
  void SetField(std::vector<double> shiftX, std::vector<double> shiftY);
  // Replaces the field inside a rectangle of it with values given row by
  // row (rect.Width() x rect.Height() of each).
  void PatchField(Rect rect, const std::vector<double>& shiftX, const std::vector<double>& shiftY);

  // The warp field (WarpField) or one of the mirrors.
  void SetMode(int tag) { tag_ = tag; }
  // The mirror's centre, or where a drag last was.
  void SetCenter(int x, int y) {
    centerX_ = x;
    centerY_ = y;
  }
  // Bilinear (true) or the nearest-pixel preview (false).
  void SetSmooth(bool smooth) { smooth_ = smooth; }
  void SetBrushRadius(int radius) { brushRadius_ = radius; }
  void SetBrushStrength(double strength) { brushStrength_ = strength; }

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
    smooth_ = true;
    dragging_ = true;
  }
  void EndDrag() { dragging_ = false; }

  // One move of a warp drag to (x, y): the cone brush of BrushRadius pushes
  // the field under the pointer along by the step from the previous
  // position. Returns the square to repaint, (x - R, y - R)-(x + R, y + R);
  // empty without a drag.
  Rect DragStep(int x, int y);

  bool Dragging() const { return dragging_; }
  int CenterX() const { return centerX_; }
  int CenterY() const { return centerY_; }
  const std::vector<double>& ShiftX() const { return shiftX_; }  // index y x 320 + x
  const std::vector<double>& ShiftY() const { return shiftY_; }
  const Bitmap& FaceBitmap() const { return face_; }
  // The picture the face was made from when it was larger, or nullptr.
  const std::shared_ptr<const Bitmap>& Photo() const { return photo_; }
  const Bitmap& ViewBitmap() const { return view_; }
  bool Smooth() const { return smooth_; }
  int BrushRadius() const { return brushRadius_; }
  double BrushStrength() const { return brushStrength_; }
  int Tag() const { return tag_; }

 private:
  void InstallFace(const Bitmap& picture, std::shared_ptr<const Bitmap> photo);

  bool dragging_ = false;
  int centerX_ = 0;
  int centerY_ = 0;
  std::vector<double> shiftX_;
  std::vector<double> shiftY_;
  Bitmap face_;
  std::shared_ptr<const Bitmap> photo_;
  Bitmap view_;
  bool smooth_ = true;
  int brushRadius_ = 30;
  double brushStrength_ = 0.25;
  int tag_ = WarpField;
  // The brush's cone for the radius last used (see render::Brush).
  std::vector<double> cone_;
  int coneRadius_ = 0;
};

}  // namespace quillo
