#pragma once
// A container whose shape is cut from its artwork: it shows one cell of the
// skin sheet, and its window mask is made of the cell's pixels that are not
// the key colour, so the parent shows through everywhere else and the
// pointer only reaches the visible part. It can glide to a new place
// (MoveTo) and let the user drag itself or its window by the artwork.
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "TPaintBitmap.h"
#include "base/Bitmap.h"
#include "skin/core/TGraphicResource.h"

namespace quillo {

enum TAutoMove { amNone = 0, amSelf = 1, amParent = 2 };

class TNonRectPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TNonRectPanel(QWidget* parent = nullptr);
  ~TNonRectPanel() override;

  // The cell descriptor (AutoNormal and AutoPressed -1); every change of it,
  // and of the sheet's picture, re-cuts the shape.
  TGraphicResource Resource;
  TAutoMove AutoMove = amNone;
  int Tag = 0;

  std::function<void(TNonRectPanel*)> OnClick;
  std::function<void(TNonRectPanel*)> OnMouseEnter;
  std::function<void(TNonRectPanel*)> OnMouseLeave;
  std::function<void(TNonRectPanel*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)>
      OnMouseDown;
  std::function<void(TNonRectPanel*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)>
      OnMouseUp;
  TPaintBitmap OnPaint;

  // Re-cuts the shape from the current cell and redraws.
  void ResourceChanged();

  // Glides by (dx, dy) from where the panel is now over duration ms (0: at once).
  void MoveTo(int dx, int dy, int duration);
  // One 50 ms step of the glide (tests drive it without waiting).
  void GlideTick();
  bool Gliding() const { return glide_.isActive(); }

  // The cell picture the panel shows, at the cell's size, 24-bit.
  Bitmap CellPicture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const Bitmap* Sheet() const;
  void StartDrag(QMouseEvent* event);

  QTimer glide_;
  QPoint glideStart_;
  QPoint glideOffset_;
  int glideDuration_ = 0;
  int glideElapsed_ = 0;
  // A window drag of our own, where the window system offers none.
  QWidget* dragged_ = nullptr;
  QPoint dragFrom_;
  QPoint dragOrigin_;
};

}  // namespace quillo
