#pragma once
// The cell descriptor every skinned control owns: where in the skin sheet the
// control's strip of cells lies, how large a cell is, which cell is current,
// which cells the pointer states show, and which colour is background. Every
// setter compares first and calls Changed only on a real change; Changed calls
// OnChange, which the owning control sets to repaint or re-cut its shape.
#include <functional>

#include "ResourceLayout.h"
#include "base/Pixel.h"
#include "base/Rect.h"

namespace quillo {

class PictureHolder;

class TGraphicResource {
 public:
  // Defaults of a button's descriptor; panels construct with
  // autoNormal = autoPressed = -1.
  explicit TGraphicResource(int autoNormal = 0, int autoPressed = 1);
  ~TGraphicResource();
  TGraphicResource(const TGraphicResource&) = delete;
  TGraphicResource& operator=(const TGraphicResource&) = delete;

  // Cell numbers for the pointer states; -1 leaves the cell unchanged.
  // Plain stores, without notification.
  int AutoNormal = 0;
  int AutoPressed = 1;
  int AutoEnter = -1;
  int AutoLeave = -1;
  std::function<void(TGraphicResource*)> OnChange;

  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Index() const { return index_; }
  ColorRef Color() const { return color_; }
  const PictureHolder* Image() const { return image_; }

  void SetRows(int v);
  void SetCols(int v);
  void SetLeft(int v);
  void SetTop(int v);
  void SetWidth(int v);
  void SetHeight(int v);
  void SetIndex(int v);
  void SetColor(ColorRef v);
  void SetImage(const PictureHolder* v);

  void Changed();

  // The sheet rectangle of the current cell for a control of this size: a
  // zero width or height stands for the control's own.
  Rect CellRect(int controlWidth, int controlHeight) const;
  // The slider's thumb cell: width and height as stored.
  Rect ThumbCell() const { return CellRect(width_, height_); }

  // The key colour as a pixel colour (system colours resolved), or kNoKey.
  Pixel KeyPixel() const;

  // The pointer-state rules: each sets Index unless its number is -1.
  void PointerEntered();
  void PointerLeft();
  void LeftPressed();
  void LeftReleased();

  // The descriptor as a layout stores it (the holder by name), and loading one.
  ResourceLayout Layout() const;
  void Load(const ResourceLayout& layout, const PictureHolder* image);

 private:
  int rows_ = 1;
  int cols_ = 2;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  int index_ = 0;
  ColorRef color_ = kColorNone;
  const PictureHolder* image_ = nullptr;
};

}  // namespace quillo
