#include "FullSizeRender.h"

#include <algorithm>

#include "RenderRowsImpl.h"
#include "base/Bands.h"

namespace quillo {

namespace {

constexpr int kBandRows = 32;

// One axis of the mapping between the photo and the grid.
struct Axis {
  int origin;     // where the photo starts in the grid
  double toGrid;  // grid pixels per photo pixel
  double gridOffset;
  double toPhoto;  // photo pixels per grid pixel
  double photoOffset;

  Axis(int originInGrid, int inGrid, int inPhoto)
      : origin(originInGrid),
        toGrid(static_cast<double>(inGrid) / inPhoto),
        gridOffset((toGrid - 1) / 2),
        toPhoto(static_cast<double>(inPhoto) / inGrid),
        photoOffset((toPhoto - 1) / 2) {}
  double Grid(int p) const { return origin + p * toGrid + gridOffset; }
  double Photo(double g) const { return (g - origin) * toPhoto + photoOffset; }
};

// The field between its nodes, bilinearly, at a grid point held inside it.
double FieldAt(const double* field, double gx, double gy) {
  constexpr int last = kFaceSize - 1;
  gx = std::clamp(gx, 0.0, static_cast<double>(last));
  gy = std::clamp(gy, 0.0, static_cast<double>(last));
  const int ix = static_cast<int>(gx);
  const int iy = static_cast<int>(gy);
  const double fx = gx - ix;
  const double fy = gy - iy;
  const double* row = field + static_cast<std::size_t>(iy) * kFaceSize + ix;
  // At a node the node itself, exactly.
  if (fx == 0.0 && fy == 0.0) return row[0];
  const int right = ix < last ? 1 : 0;
  const int down = iy < last ? kFaceSize : 0;
  return (row[0] * (1 - fx) + row[right] * fx) * (1 - fy) +
         (row[down] * (1 - fx) + row[down + right] * fx) * fy;
}

}  // namespace

Bitmap RenderFullSize(const WarpModel& model, const Bitmap& photo, double s, double b) {
  const int W = photo.Width(), H = photo.Height();
  Bitmap out(W, H);
  if (W == 0 || H == 0) return out;
  const Rect fit = FitInFace(W, H);
  const Axis ax(fit.left, fit.Width(), W), ay(fit.top, fit.Height(), H);
  const int tag = model.Tag();
  const double cx = model.CenterX(), cy = model.CenterY();
  const double* shiftX = model.ShiftX().data();
  const double* shiftY = model.ShiftY().data();
  // The mirrors' constants as the view's renderer has them (W = H = 320).
  // (the column's factor is divided by the side twice, the row's by its square).
  constexpr double kQuarter = kFaceSize * kFaceSize / 4;
  constexpr double kSquare = kFaceSize * kFaceSize;
  const auto column = [&](double gx) {
    return ((gx - cx) * (gx - cx) - kQuarter) / kFaceSize / kFaceSize * b;
  };

  RunInBands(0, H, kBandRows, [&](int top, int bottom) {
    for (int Y = top; Y < bottom; ++Y) {
      const double gy = ay.Grid(Y);
      const double row = ((gy - cy) * (gy - cy) - kQuarter) / kSquare * b;
      Pixel* outRow = out.Row(Y);
      for (int X = 0; X < W; ++X) {
        const double gx = ax.Grid(X);
        double dx = 0, dy = 0;
        switch (tag) {
          case WarpField:
            dx = FieldAt(shiftX, gx, gy);
            dy = FieldAt(shiftY, gx, gy);
            if (s != 1.0) {
              dx *= s;
              dy *= s;
            }
            break;
          case Horizontal:
            dx = (gx - cx) * row;
            break;
          case Vertical:
            dy = (gy - cy) * column(gx);
            break;
          case Radial: {
            const double k = b / (0.0001 * ((cx - gx) * (cx - gx) + (cy - gy) * (cy - gy)) + 1);
            dx = (cx - gx) * k;
            dy = (cy - gy) * k;
            break;
          }
          case Squeeze:
            dx = (cx - gx) * row;
            dy = (cy - gy) * column(gx);
            break;
          default:
            break;
        }
        outRow[X] = dx == 0.0 && dy == 0.0
                        ? photo.Row(Y)[X]
                        : render::SampleAt(photo, W, H, true, ax.Photo(gx + dx), ay.Photo(gy + dy));
      }
    }
  });
  return out;
}

}  // namespace quillo
