#include "WarpModel.h"

#include <algorithm>

#include "skin/core/SmoothDraw.h"

namespace quillo {

namespace {

// Everything one rendering needs, read once.
struct Sampler {
  const Bitmap& face;
  Bitmap& view;
  int w;
  int h;
  bool smooth;

  // The view pixel (x, y) shows the face at (x + dx, y + dy).
  void Put(int x, int y, double dx, double dy) const {
    Pixel& out = view.Row(y)[x];
    if (dx == 0.0 && dy == 0.0) {
      out = face.Row(y)[x];
      return;
    }
    const double px = x + dx;
    const double py = y + dy;
    // Written as "not inside" so that a field gone to infinity (NaN) is white too.
    if (!(px >= 0 && px <= w - 1 && py >= 0 && py <= h - 1)) {
      out = kWhite;
      return;
    }
    if (!smooth) {
      const int ix = static_cast<int>(px + 0.499);
      const int iy = static_cast<int>(py + 0.499);
      out = face.Row(iy)[ix];
      return;
    }
    int ix = static_cast<int>(px);
    int iy = static_cast<int>(py);
    double fx = px - ix;
    double fy = py - iy;
    if (ix >= w - 2) {
      ix = w - 2;
      fx = 0;
    }
    if (iy >= h - 2) {
      iy = h - 2;
      fy = 0;
    }
    const Pixel* upper = face.Row(iy) + ix;
    const Pixel* lower = face.Row(iy + 1) + ix;
    Pixel result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const double p00 = (upper[0] >> shift) & 0xFF;
      const double p10 = (upper[1] >> shift) & 0xFF;
      const double p01 = (lower[0] >> shift) & 0xFF;
      const double p11 = (lower[1] >> shift) & 0xFF;
      const double v = (p00 * (1 - fx) + p10 * fx) * (1 - fy) + (p01 * (1 - fx) + p11 * fx) * fy;
      result |= static_cast<Pixel>(static_cast<int>(v) & 0xFF) << shift;
    }
    out = result;
  }
};

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

void WarpModel::RenderDistorted(Rect rect, double warpScale, double mirrorStrength,
                                int leftSlider, int rightSlider) {
  const double s = warpScale == UseSliderValue ? rightSlider * 0.1 : warpScale;
  const double b = mirrorStrength == UseSliderValue ? leftSlider * 0.1 : mirrorStrength;
  const int w = FaceBitmap.Width();
  const int h = FaceBitmap.Height();
  if (ViewBitmap.Width() != w || ViewBitmap.Height() != h) ViewBitmap.SetSize(w, h);
  const Rect r = rect.ClampedTo(w, h);
  if (r.IsEmpty()) return;

  const Sampler sampler{FaceBitmap, ViewBitmap, w, h, Smooth};
  const int cx = CenterX;
  const int cy = CenterY;
  const int qw = w * w / 4;
  const int qh = h * h / 4;

  std::vector<double> column(w);
  for (int x = r.left; x < r.right; ++x)
    column[x] = static_cast<double>((x - cx) * (x - cx) - qw) / w / w * b;

  for (int y = r.top; y < r.bottom; ++y) {
    const double row = static_cast<double>((y - cy) * (y - cy) - qh) / (h * h) * b;
    switch (Tag) {
      case WarpField: {
        const double* sx = ShiftX.data() + static_cast<std::size_t>(y) * w;
        const double* sy = ShiftY.data() + static_cast<std::size_t>(y) * w;
        for (int x = r.left; x < r.right; ++x) sampler.Put(x, y, sx[x] * s, sy[x] * s);
        break;
      }
      case Horizontal:
        for (int x = r.left; x < r.right; ++x) sampler.Put(x, y, (x - cx) * row, 0.0);
        break;
      case Vertical:
        for (int x = r.left; x < r.right; ++x) sampler.Put(x, y, 0.0, (y - cy) * column[x]);
        break;
      case Radial:
        for (int x = r.left; x < r.right; ++x) {
          const double k =
              b / (0.0001 * ((cx - x) * (cx - x) + (cy - y) * (cy - y)) + 1);
          sampler.Put(x, y, (cx - x) * k, (cy - y) * k);
        }
        break;
      case Squeeze:
        for (int x = r.left; x < r.right; ++x)
          sampler.Put(x, y, (cx - x) * row, (cy - y) * column[x]);
        break;
      default:
        break;
    }
  }
}

}  // namespace quillo
