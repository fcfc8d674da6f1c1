#pragma once
// The per-row kernels of the mirror window: the renderer and the warp
// brush, each built for the baseline instruction set and for AVX2 and chosen
// at run time (base/Cpu.h); the two that sample pictures are built for
// AVX-512 too. All give bit-identical pixels: every lane of a vector performs
// the same IEEE operations, in the same order, as the scalar code.
#include <vector>

#include "base/Bitmap.h"

namespace quillo::render {

struct Frame {
  const Bitmap& face;
  Bitmap& view;
  int w;
  int h;
  bool smooth;
  int cx;
  int cy;
  double s;  // warp scale
  double b;  // mirror strength
  const double* shiftX;
  const double* shiftY;
};

// Renders rows top..bottom-1, columns left..right-1 (inside the picture).
void RenderRectBaseline(const Frame& f, int tag, Rect r);
void RenderRectAvx2(const Frame& f, int tag, Rect r);
void RenderRectAvx512(const Frame& f, int tag, Rect r);

// One row of the full-size render (FullSizeRender.h), as both places
// kernels take it: the grid row gy and the grid columns gx[i], and how the
// grid maps into the photo. A kernel finds each column's displacement
// (dx, dy) and writes px = (gx + dx - originX) toPhotoX + offsetX, likewise
// py, and still[i] when the displacement is zero.
struct PhotoRow {
  const double* gx;
  double gy;
  double originX, toPhotoX, offsetX;
  double originY, toPhotoY, offsetY;
  double* px;
  double* py;
  unsigned char* still;
};

// The radial mirror's places: with dx = cx - gx[i] given as ox[i] and its
// square as ox2[i], and dy = cy - gy as oy, k = b / (0.0001 (ox2 + oy^2) + 1)
// and the displacement is (ox k, oy k).
struct RadialRow {
  PhotoRow row;
  const double* ox;
  const double* ox2;
  double oy, b;
};

// The places of a row of n columns.
void RadialPlacesBaseline(const RadialRow& row, int n);
void RadialPlacesAvx2(const RadialRow& row, int n);

// The warp field's places: for each column i the field between its nodes,
// at the node n = node[i] of the row of nodes r (the next node right[i] = 0
// or 1 columns on, the next row of nodes 0 or 1 rows on) and the fractions
// fx[i] and fy,
//   v = (f[n] (1 - fx) + f[n + right] fx) (1 - fy) + (f[n + down] (1 - fx) + ...) fy,
// or f[n] itself where fx = fy = 0; the displacement is that of shiftX and
// shiftY times s (unless s is 1). A row of nodes blended across the columns
// (FieldAcross: its first product and sum for row r, its second for the row
// below) serves every photo row between the two rows of nodes, so a row's
// kernel takes the two rows blended, and the nodes themselves for fy = 0.
struct FieldAcross {
  std::vector<double> x, y;          // shiftX and shiftY blended across
  std::vector<double> nodeX, nodeY;  // f[node[i]] of each
};

// The row of nodes r of both fields blended across n columns, into across.
void BlendFieldAcross(const double* shiftX, const double* shiftY, int width, int r, const int* node,
                      const int* right, const double* fx, int n, FieldAcross& across);

struct FieldRow {
  PhotoRow row;
  const FieldAcross& above;
  const FieldAcross& below;
  const double* fx;
  double fy, s;
};

void FieldPlacesBaseline(const FieldRow& row, int n);
void FieldPlacesAvx2(const FieldRow& row, int n);

// Samples n pixels of a picture at absolute places, bilinear, white outside.
void SamplePlacesBaseline(const Bitmap& picture, const double* px, const double* py, int n,
                          Pixel* out);
void SamplePlacesAvx2(const Bitmap& picture, const double* px, const double* py, int n, Pixel* out);
void SamplePlacesAvx512(const Bitmap& picture, const double* px, const double* py, int n,
                        Pixel* out);

// One step of the warp brush: within distance r of (x, y) the field moves by
// -step x (1 - distance / r) x strength. cone holds 1 - distance / r for
// every offset within the square, (r + 1) rows of 2r + 1, at
// |dy| x (2r + 1) + dx + r, computed once per radius.
struct Brush {
  double* shiftX;
  double* shiftY;
  int w;
  int h;
  int x;
  int y;
  int r;  // at least 1
  const double* cone;
  double stepX;
  double stepY;
  double strength;
};

// The cone of the brush of radius r (at least 1), as Brush::cone wants it.
void FillCone(int r, std::vector<double>& cone);

void PushFieldBaseline(const Brush& b);
void PushFieldAvx2(const Brush& b);

}  // namespace quillo::render
