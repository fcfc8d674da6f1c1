#pragma once
// A plain drawing area: its owner paints it through OnPaint and hears its
// mouse through the mouse callbacks. The screens lend it their handlers.
#include <QWidget>
#include <functional>

class QMimeData;

#include "TPaintBitmap.h"

namespace quillo {

class TPaintBox;

// The handlers a screen lends a paint box: paint, mouse and double-click.
struct PaintBoxHandlers {
  using Button =
      std::function<void(TPaintBox*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)>;
  TPaintBitmap OnPaint;
  Button OnMouseDown;
  std::function<void(TPaintBox*, Qt::KeyboardModifiers, int x, int y)> OnMouseMove;
  Button OnMouseUp;
  std::function<void(TPaintBox*)> OnDblClick;
};

// What a paint box does with things dragged onto it: Accepts tells whether a
// drop would be taken (the pointer shows it), Drop takes it.
struct PaintBoxDrop {
  std::function<bool(const QMimeData*)> Accepts;
  std::function<void(const QMimeData*)> Drop;
};

class TPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit TPaintBox(QWidget* parent = nullptr);

  int Tag = 0;
  TPaintBitmap OnPaint;
  PaintBoxHandlers::Button OnMouseDown;
  decltype(PaintBoxHandlers::OnMouseMove) OnMouseMove;
  PaintBoxHandlers::Button OnMouseUp;
  decltype(PaintBoxHandlers::OnDblClick) OnDblClick;

  // Takes all five handlers of a screen (empty ones included) and repaints;
  // Detach clears them, so the box neither reacts nor paints.
  void Take(const PaintBoxHandlers& handlers);
  // Takes a screen's drop handling; an empty one refuses drops.
  void TakeDrop(const PaintBoxDrop& drop);
  void Detach() {
    Take({});
    TakeDrop({});
  }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  PaintBoxDrop drop_;
};

}  // namespace quillo
