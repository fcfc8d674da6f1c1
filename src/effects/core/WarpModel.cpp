#include "WarpModel.h"

#include <algorithm>
#include <cmath>

#include "RenderRows.h"
#include "base/Bands.h"
#include "base/Cpu.h"
#include "skin/core/SmoothDraw.h"

namespace quillo {

namespace {

// Rectangles of this many pixels or more are rendered in bands of kBandRows.
constexpr long long kBandedArea = 40000;
constexpr int kBandRows = 16;

}  // namespace

WarpModel::WarpModel()
    : ShiftX(kFaceSize * kFaceSize, 0.0),
      ShiftY(kFaceSize * kFaceSize, 0.0),
      FaceBitmap(kFaceSize, kFaceSize, kWhite) {}

void WarpModel::SetFacePicture(const Bitmap& picture) {
  const int w = picture.Width();
  const int h = picture.Height();
  const double scale = std::max(w, h) * 0.003125;
  const int drawnW = scale > 0 ? static_cast<int>(w / scale) : 0;
  const int drawnH = scale > 0 ? static_cast<int>(h / scale) : 0;
  const int left = (kFaceSize - drawnW) / 2;
  const int top = (kFaceSize - drawnH) / 2;
  // The whole face is cleared, not only the visible rows, so that nothing of
  // the previous face survives below the window into a saved frame.
  FaceBitmap.Fill(kWhite);
  SmoothDraw(FaceBitmap, {left, top, left + drawnW, top + drawnH}, picture);
  ViewBitmap.SetSize(FaceBitmap.Width(), FaceBitmap.Height());
  std::fill(ShiftX.begin(), ShiftX.end(), 0.0);
  std::fill(ShiftY.begin(), ShiftY.end(), 0.0);
}

void WarpModel::RenderDistorted(Rect rect, SliderOrValue warpScale, SliderOrValue mirrorStrength,
                                int leftSlider, int rightSlider) {
  const double s = warpScale.value_or(rightSlider * 0.1);
  const double b = mirrorStrength.value_or(leftSlider * 0.1);
  const int w = FaceBitmap.Width();
  const int h = FaceBitmap.Height();
  if (ViewBitmap.Width() != w || ViewBitmap.Height() != h) ViewBitmap.SetSize(w, h);
  const Rect r = rect.ClampedTo(w, h);
  if (r.IsEmpty()) return;

  const render::Frame frame{FaceBitmap,    ViewBitmap,   w, h, Smooth, CenterX, CenterY, s, b,
                            ShiftX.data(), ShiftY.data()};
  const auto kernel = ForThisProcessor(render::RenderRectBaseline, render::RenderRectAvx2);
  // A whole view is shared out in bands of rows; a small rectangle, such as
  // the brush's square, is quicker done here than handed over.
  if (static_cast<long long>(r.Width()) * r.Height() < kBandedArea) {
    kernel(frame, Tag, r);
    return;
  }
  RunInBands(r.top, r.bottom, kBandRows, [&](int top, int bottom) {
    kernel(frame, Tag, {r.left, top, r.right, bottom});
  });
}

bool WarpModel::BeginPress(int x, int y, int rightSlider) {
  if (Dragging) return false;
  CenterX = x;
  CenterY = y;
  const double k = rightSlider * 0.1;
  for (double& v : ShiftX) v *= k;
  for (double& v : ShiftY) v *= k;
  return true;
}

Rect WarpModel::DragStep(int x, int y) {
  if (!Dragging) return {};
  const int r = BrushRadius;
  const double stepX = x - CenterX;
  const double stepY = y - CenterY;
  CenterX = x;
  CenterY = y;
  const Rect square{x - r, y - r, x + r, y + r};
  if (r < 1) return square;  // no brush, and no 0 / 0 at the pointer
  if (coneRadius_ != r) {
    render::FillCone(r, cone_);
    coneRadius_ = r;
  }
  const render::Brush brush{
      ShiftX.data(), ShiftY.data(), FaceBitmap.Width(), FaceBitmap.Height(), x, y, r, cone_.data(),
      stepX,         stepY,         BrushStrength};
  ForThisProcessor(render::PushFieldBaseline, render::PushFieldAvx2)(brush);
  return square;
}

}  // namespace quillo
