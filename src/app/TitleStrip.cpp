// Presses on the main window itself, where no control lies: the title opens
// the about text, the rest of the strip at the top moves the window, any
// other press is swallowed.
#include <QMouseEvent>
#include <QWindow>

#include "TJumpForm.h"
#include "skin/ConnectHandler.h"

namespace quillo {

namespace {

// The strip that moves the window (client pixels, both ends included).
constexpr int kStripTop = 10, kStripBottom = 37, kStripLeft = 25, kStripRight = 600;

}  // namespace

void TJumpForm::TitleStripMouseDown(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  if (p.y() < kStripTop || p.y() > kStripBottom) return;
  const QRect title = RxLabel5.rect;
  if (p.x() >= title.left() && p.x() <= title.left() + title.width()) {
    // The press ends first; then the about text opens.
    PostHandler(this, [this] { HelpPanelClick(nullptr); });
    return;
  }
  if (p.x() < kStripLeft || p.x() > kStripRight) return;
  // The window system moves the window where it can; elsewhere (no window
  // manager) the window follows the pointer by itself. The window manager is
  // told where the press lies through the window's own idea of its place,
  // which lags behind right after start (at 0,0 under Openbox): then the
  // window manager would throw the window that far, so the window moves by
  // itself until that idea is right.
  QWindow* const window = windowHandle();
  const bool placeKnown = window && window->mapToGlobal(event->scenePosition().toPoint()) ==
                                        event->globalPosition().toPoint();
  if (placeKnown && window->startSystemMove()) return;
  movingWindow_ = true;
  moveOffset_ = event->globalPosition().toPoint() - pos();
}

void TJumpForm::TitleStripMouseMove(QMouseEvent* event) {
  if (movingWindow_) move(event->globalPosition().toPoint() - moveOffset_);
}

void TJumpForm::TitleStripMouseUp(QMouseEvent*) {
  movingWindow_ = false;
}

}  // namespace quillo
