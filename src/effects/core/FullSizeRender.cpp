#include "FullSizeRender.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "RenderRows.h"
#include "base/Bands.h"
#include "base/Cpu.h"

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

// A grid coordinate held inside the field: the node before it and the
// fraction towards the next (0 at and beyond the last node).
struct Between {
  int node = 0;
  int next = 0;  // 1, or 0 at the last node (in units of the axis)
  double fraction = 0;
};

Between On(double g) {
  constexpr int last = kFaceSize - 1;
  g = std::clamp(g, 0.0, static_cast<double>(last));
  const int node = static_cast<int>(g);
  return {node, node < last ? 1 : 0, g - node};
}

// The rows of nodes blended across the photo's columns that the current
// photo row lies between, kept while the next rows lie between them too.
class AcrossRows {
 public:
  AcrossRows(const double* shiftX, const double* shiftY, const std::vector<int>& nodes,
             const std::vector<int>& rights, const std::vector<double>& fractions)
      : shiftX_(shiftX), shiftY_(shiftY), nodes_(nodes), rights_(rights), fractions_(fractions) {}

  // The rows of nodes above and below (which may be the same row).
  std::pair<const render::FieldAcross*, const render::FieldAcross*> Between(int above, int below) {
    Slot* a = Find(above);
    if (!a) a = Fill(Other(Find(below)), above);
    Slot* b = Find(below);
    if (!b) b = Fill(Other(a), below);
    return {&a->across, &b->across};
  }

 private:
  struct Slot {
    int row = -1;
    render::FieldAcross across;
  };

  Slot* Find(int row) {
    for (Slot& slot : slots_)
      if (slot.row == row) return &slot;
    return nullptr;
  }
  Slot* Other(const Slot* keep) { return keep == &slots_[0] ? &slots_[1] : &slots_[0]; }
  Slot* Fill(Slot* slot, int row) {
    render::BlendFieldAcross(shiftX_, shiftY_, kFaceSize, row, nodes_.data(), rights_.data(),
                             fractions_.data(), static_cast<int>(nodes_.size()), slot->across);
    slot->row = row;
    return slot;
  }

  const double* shiftX_;
  const double* shiftY_;
  const std::vector<int>& nodes_;
  const std::vector<int>& rights_;
  const std::vector<double>& fractions_;
  Slot slots_[2];
};

}  // namespace

Bitmap RenderFullSize(const WarpModel& model, const Bitmap& photo, double s, double b) {
  Bitmap out(photo.Width(), photo.Height());
  RenderFullSizeInto(model, photo, s, b, out);
  return out;
}

void RenderFullSizeInto(const WarpModel& model, const Bitmap& photo, double s, double b,
                        Bitmap& out) {
  const int W = photo.Width(), H = photo.Height();
  if (out.Width() != W || out.Height() != H) out = Bitmap(W, H);
  if (W == 0 || H == 0) return;
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

  const auto sample = ForThisProcessor(render::SamplePlacesBaseline, render::SamplePlacesAvx2,
                                       render::SamplePlacesAvx512);
  const auto radial = ForThisProcessor(render::RadialPlacesBaseline, render::RadialPlacesAvx2);
  const auto field = ForThisProcessor(render::FieldPlacesBaseline, render::FieldPlacesAvx2);
  // The grid's columns, the same for every row.
  std::vector<double> gxs(static_cast<std::size_t>(W));
  // The radial mirror's column offsets from the centre and their squares.
  std::vector<double> oxs(gxs.size()), ox2s(gxs.size());
  // The warp field's node before each column, the step to the next and the fraction.
  std::vector<int> nodes(gxs.size()), rights(gxs.size());
  std::vector<double> fractions(gxs.size());
  for (int X = 0; X < W; ++X) {
    const auto i = static_cast<std::size_t>(X);
    gxs[i] = ax.Grid(X);
    oxs[i] = cx - gxs[i];
    ox2s[i] = oxs[i] * oxs[i];
    const Between column = On(gxs[i]);
    nodes[i] = column.node;
    rights[i] = column.next;
    fractions[i] = column.fraction;
  }

  RunInBands(0, H, kBandRows, [&](int top, int bottom) {
    // The places of one row in the photo, and which of its pixels stay put.
    std::vector<double> pxs(static_cast<std::size_t>(W)), pys(pxs.size());
    std::vector<unsigned char> still(pxs.size());
    AcrossRows across(shiftX, shiftY, nodes, rights, fractions);
    for (int Y = top; Y < bottom; ++Y) {
      const double gy = ay.Grid(Y);
      const double row = ((gy - cy) * (gy - cy) - kQuarter) / kSquare * b;
      const Between fieldRow = On(gy);
      const render::PhotoRow places{gxs.data(),
                                    gy,
                                    static_cast<double>(ax.origin),
                                    ax.toPhoto,
                                    ax.photoOffset,
                                    static_cast<double>(ay.origin),
                                    ay.toPhoto,
                                    ay.photoOffset,
                                    pxs.data(),
                                    pys.data(),
                                    still.data()};
      if (tag == Radial) {
        radial({places, oxs.data(), ox2s.data(), cy - gy, b}, W);
      } else if (tag == WarpField) {
        const auto [above, below] = across.Between(fieldRow.node, fieldRow.node + fieldRow.next);
        field({places, *above, *below, fractions.data(), fieldRow.fraction, s}, W);
      }
      for (int X = 0; X < W && tag != Radial && tag != WarpField; ++X) {
        const double gx = gxs[static_cast<std::size_t>(X)];
        double dx = 0, dy = 0;
        switch (tag) {
          case Horizontal:
            dx = (gx - cx) * row;
            break;
          case Vertical:
            dy = (gy - cy) * column(gx);
            break;
          case Squeeze:
            dx = (cx - gx) * row;
            dy = (cy - gy) * column(gx);
            break;
          default:
            break;
        }
        const auto i = static_cast<std::size_t>(X);
        still[i] = dx == 0.0 && dy == 0.0;
        pxs[i] = ax.Photo(gx + dx);
        pys[i] = ay.Photo(gy + dy);
      }
      Pixel* outRow = out.Row(Y);
      sample(photo, pxs.data(), pys.data(), W, outRow);
      // Mostly no pixel of a row stays put (a mirror's centre, an undisturbed
      // part of the field): one quick search says whether to look at each.
      if (!std::memchr(still.data(), 1, still.size())) continue;
      const Pixel* own = photo.Row(Y);
      for (int X = 0; X < W; ++X)
        if (still[static_cast<std::size_t>(X)]) outRow[X] = own[X];
    }
  });
}

}  // namespace quillo
