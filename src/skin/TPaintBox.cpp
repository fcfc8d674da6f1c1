#include "TPaintBox.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

#include "base/Handler.h"

namespace quillo {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {}

void TPaintBox::Take(const PaintBoxHandlers& handlers) {
  OnPaint = handlers.OnPaint;
  OnMouseDown = handlers.OnMouseDown;
  OnMouseMove = handlers.OnMouseMove;
  OnMouseUp = handlers.OnMouseUp;
  OnDblClick = handlers.OnDblClick;
  update();
}

void TPaintBox::TakeDrop(const PaintBoxDrop& drop) {
  drop_ = drop;
  setAcceptDrops(static_cast<bool>(drop_.Drop));
}

void TPaintBox::dragEnterEvent(QDragEnterEvent* event) {
  if (drop_.Accepts && drop_.Accepts(event->mimeData())) event->acceptProposedAction();
}

void TPaintBox::dropEvent(QDropEvent* event) {
  if (!drop_.Drop || !drop_.Accepts || !drop_.Accepts(event->mimeData())) return;
  event->acceptProposedAction();
  RunHandler([&] { drop_.Drop(event->mimeData()); });
}

void TPaintBox::paintEvent(QPaintEvent*) {
  if (!OnPaint) return;
  QPainter painter(this);
  RunHandler([&] { OnPaint(this, painter); });
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (OnMouseDown)
    RunHandler([&] { OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y()); });
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (OnMouseMove) RunHandler([&] { OnMouseMove(this, event->modifiers(), p.x(), p.y()); });
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (OnMouseUp)
    RunHandler([&] { OnMouseUp(this, event->button(), event->modifiers(), p.x(), p.y()); });
}

void TPaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (OnDblClick) RunHandler([this] { OnDblClick(this); });
  QWidget::mouseDoubleClickEvent(event);
}

}  // namespace quillo
