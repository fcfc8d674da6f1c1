#pragma once
// A plain drawing area: its owner paints it through OnPaint and hears its
// mouse through the mouse callbacks. The screens lend it their handlers.
#include <QWidget>
#include <functional>

#include "TPaintBitmap.h"

namespace quillo {

class TPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit TPaintBox(QWidget* parent = nullptr);

  int Tag = 0;
  TPaintBitmap OnPaint;
  std::function<void(TPaintBox*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseDown;
  std::function<void(TPaintBox*, Qt::KeyboardModifiers, int x, int y)> OnMouseMove;
  std::function<void(TPaintBox*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseUp;
  std::function<void(TPaintBox*)> OnDblClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace quillo
