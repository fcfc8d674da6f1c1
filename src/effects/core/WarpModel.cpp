#include "WarpModel.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "RenderRows.h"
#include "base/Bands.h"
#include "base/Cpu.h"
#include "base/Error.h"
#include "skin/core/SmoothDraw.h"

namespace quillo {

namespace {

// Rectangles of this many pixels or more are rendered in bands of kBandRows.
constexpr long long kBandedArea = 40000;
constexpr int kBandRows = 16;

}  // namespace

WarpModel::WarpModel()
    : shiftX_(kFaceSize * kFaceSize, 0.0),
      shiftY_(kFaceSize * kFaceSize, 0.0),
      face_(kFaceSize, kFaceSize, kWhite) {}

Rect FitInFace(int w, int h) {
  const double scale = std::max(w, h) * 0.003125;
  const int drawnW = scale > 0 ? static_cast<int>(w / scale) : 0;
  const int drawnH = scale > 0 ? static_cast<int>(h / scale) : 0;
  const int left = (kFaceSize - drawnW) / 2;
  const int top = (kFaceSize - drawnH) / 2;
  return {left, top, left + drawnW, top + drawnH};
}

namespace {

bool LargerThanFace(const Bitmap& picture) {
  return picture.Width() > kFaceSize || picture.Height() > kFaceSize;
}

}  // namespace

void WarpModel::SetFacePicture(const Bitmap& picture) {
  InstallFace(picture, LargerThanFace(picture) ? std::make_shared<const Bitmap>(picture) : nullptr);
}

void WarpModel::SetFacePicture(std::shared_ptr<const Bitmap> picture) {
  const Bitmap& p = *picture;
  InstallFace(p, LargerThanFace(p) ? std::move(picture) : nullptr);
}

void WarpModel::InstallFace(const Bitmap& picture, std::shared_ptr<const Bitmap> photo) {
  // The whole face is cleared, not only the visible rows, so that nothing of
  // the previous face survives below the window into a saved frame.
  face_.Fill(kWhite);
  SmoothDraw(face_, FitInFace(picture.Width(), picture.Height()), picture);
  // A picture larger than the face is kept for saving at its own size.
  photo_ = std::move(photo);
  view_.SetSize(face_.Width(), face_.Height());
  std::fill(shiftX_.begin(), shiftX_.end(), 0.0);
  std::fill(shiftY_.begin(), shiftY_.end(), 0.0);
}

void WarpModel::RenderDistorted(Rect rect, SliderOrValue warpScale, SliderOrValue mirrorStrength,
                                int leftSlider, int rightSlider) {
  const double s = warpScale.value_or(rightSlider * 0.1);
  const double b = mirrorStrength.value_or(leftSlider * 0.1);
  const int w = face_.Width();
  const int h = face_.Height();
  if (view_.Width() != w || view_.Height() != h) view_.SetSize(w, h);
  const Rect r = rect.ClampedTo(w, h);
  if (r.IsEmpty()) return;

  const render::Frame frame{face_,          view_,         w, h, smooth_, centerX_, centerY_, s, b,
                            shiftX_.data(), shiftY_.data()};
  const auto kernel = ForThisProcessor(render::RenderRectBaseline, render::RenderRectAvx2,
                                       render::RenderRectAvx512);
  // A whole view is shared out in bands of rows; a small rectangle, such as
  // the brush's square, is quicker done here than handed over.
  if (static_cast<long long>(r.Width()) * r.Height() < kBandedArea) {
    kernel(frame, tag_, r);
    return;
  }
  RunInBands(r.top, r.bottom, kBandRows, [&](int top, int bottom) {
    kernel(frame, tag_, {r.left, top, r.right, bottom});
  });
}

void WarpModel::ReplaceFace(const Bitmap& face, std::shared_ptr<const Bitmap> photo) {
  if (face.Width() != kFaceSize || face.Height() != kFaceSize)
    throw Error("The mirror window's face must be 320 x 320");
  face_ = face;
  photo_ = std::move(photo);
}

void WarpModel::SetField(std::vector<double> shiftX, std::vector<double> shiftY) {
  const std::size_t n = static_cast<std::size_t>(kFaceSize) * kFaceSize;
  if (shiftX.size() != n || shiftY.size() != n)
    throw Error("The displacement field must have 320 x 320 values");
  shiftX_ = std::move(shiftX);
  shiftY_ = std::move(shiftY);
}

void WarpModel::PatchField(Rect rect, const std::vector<double>& shiftX,
                           const std::vector<double>& shiftY) {
  const std::size_t n =
      static_cast<std::size_t>(rect.Width()) * static_cast<std::size_t>(rect.Height());
  if (rect.left < 0 || rect.top < 0 || rect.right > kFaceSize || rect.bottom > kFaceSize ||
      rect.Width() < 0 || rect.Height() < 0 || shiftX.size() != n || shiftY.size() != n)
    throw Error("A patch of the displacement field must lie inside it");
  for (int y = rect.top; y < rect.bottom; ++y) {
    const std::size_t from = static_cast<std::size_t>(y - rect.top) * rect.Width();
    const std::size_t to = static_cast<std::size_t>(y) * kFaceSize + rect.left;
    std::copy_n(shiftX.begin() + static_cast<std::ptrdiff_t>(from), rect.Width(),
                shiftX_.begin() + static_cast<std::ptrdiff_t>(to));
    std::copy_n(shiftY.begin() + static_cast<std::ptrdiff_t>(from), rect.Width(),
                shiftY_.begin() + static_cast<std::ptrdiff_t>(to));
  }
}

bool WarpModel::BeginPress(int x, int y, int rightSlider) {
  if (dragging_) return false;
  centerX_ = x;
  centerY_ = y;
  const double k = rightSlider * 0.1;
  for (double& v : shiftX_) v *= k;
  for (double& v : shiftY_) v *= k;
  return true;
}

Rect WarpModel::DragStep(int x, int y) {
  if (!dragging_) return {};
  const int r = brushRadius_;
  const double stepX = x - centerX_;
  const double stepY = y - centerY_;
  centerX_ = x;
  centerY_ = y;
  const Rect square{x - r, y - r, x + r, y + r};
  if (r < 1) return square;  // no brush, and no 0 / 0 at the pointer
  if (coneRadius_ != r) {
    render::FillCone(r, cone_);
    coneRadius_ = r;
  }
  const render::Brush brush{shiftX_.data(), shiftY_.data(), face_.Width(), face_.Height(), x, y, r,
                            cone_.data(),   stepX,          stepY,         brushStrength_};
  ForThisProcessor(render::PushFieldBaseline, render::PushFieldAvx2)(brush);
  return square;
}

}  // namespace quillo
