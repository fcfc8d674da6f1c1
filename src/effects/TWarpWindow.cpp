#include "TWarpWindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "base/Handler.h"
#include "io/PictureDrop.h"
#include "io/PictureFile.h"
#include "skin/BitmapImage.h"
#include "skin/QtRect.h"
#include "skin/core/WindowPlaces.h"

namespace quillo {

TWarpWindow::TWarpWindow(QWidget* mainWindow, WarpControls& controls)
    : QWidget(mainWindow), controls_(controls) {
  setObjectName("WarpWindow");
  setGeometry(kMirrorWindow.left, kMirrorWindow.top, kWarpWindowWidth, kWarpWindowHeight);
  // Only the middle slice of the ellipse falls inside the window, which gives
  // the barrel shape. The mask is cut to the window: a mask reaching beyond it
  // would let the window claim (and paint black) what lies below it.
  setMask(QRegion(ToQRect(kMirrorEllipseInWindow), QRegion::Ellipse) &
          QRegion(0, 0, kWarpWindowWidth, kWarpWindowHeight));
  // The view covers the whole window: no background is erased beneath it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setAcceptDrops(true);
  hide();
}

void TWarpWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (DroppedPictureFile(event->mimeData())) event->acceptProposedAction();
}

void TWarpWindow::dropEvent(QDropEvent* event) {
  const std::optional<std::string> path = DroppedPictureFile(event->mimeData());
  if (!path) return;
  event->acceptProposedAction();
  // A file that does not load is reported and changes nothing.
  RunHandler([&] { SetFacePicture(LoadPictureFile(*path)); });
}

void TWarpWindow::SetFacePicture(const Bitmap& picture) {
  recorder_.Begin(model_, Settings(), true);
  model_.SetFacePicture(picture);
  controls_.ResetWarpScale();
  Invalidate();
  EndChange();
}

void TWarpWindow::BeginChange() {
  recorder_.Begin(model_, Settings());
}

void TWarpWindow::EndChange() {
  std::unique_ptr<UndoStep> step =
      recorder_.End(model_, Settings(), [this](const MirrorSettings& s) { ApplySettings(s); });
  if (step) controls_.Record(std::move(step), recorder_.ChangedFaceOrField());
}

MirrorSettings TWarpWindow::Settings() const {
  return {controls_.LeftSliderValue(), controls_.RightSliderValue(), model_.Tag(), model_.CenterX(),
          model_.CenterY()};
}

void TWarpWindow::ApplySettings(const MirrorSettings& s) {
  controls_.RestoreSliders(s.leftSlider, s.rightSlider);
  // The sliders' handlers choose a mirror and centre it; the recorded ones hold.
  model_.SetMode(s.tag);
  model_.SetCenter(s.centerX, s.centerY);
  model_.SetSmooth(false);
  controls_.PauseSettling();
  Invalidate();
  controls_.RestartSettling();
}

void TWarpWindow::Invalidate() {
  pending_ = true;
  update();
}

void TWarpWindow::FormMouseDown(int x, int y) {
  if (model_.Dragging()) return;
  // The stroke or the centre's move is one step, the press's bake included.
  BeginChange();
  if (!model_.BeginPress(x, y, controls_.RightSliderValue())) return;
  // The field now holds what was shown: the strength goes back to full.
  if (model_.Tag() == WarpField) controls_.ResetWarpScale();
  model_.StartDrag();
}

void TWarpWindow::FormMouseMove(int x, int y) {
  if (!model_.Dragging()) return;
  if (model_.Tag() <= WarpField) {
    const Rect square = model_.DragStep(x, y);
    repaint(square.left, square.top, square.Width(), square.Height());
    return;
  }
  // A mirror follows the pointer: a quick preview now, the smooth view once
  // the pointer rests.
  model_.SetCenter(x, y);
  model_.SetSmooth(false);
  controls_.PauseSettling();
  repaint();
  controls_.RestartSettling();
}

void TWarpWindow::FormMouseUp() {
  if (pending_) repaint();
  if (!model_.Dragging()) return;
  model_.EndDrag();
  EndChange();
}

void TWarpWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  FormMouseDown(p.x(), p.y());
}

void TWarpWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  FormMouseMove(p.x(), p.y());
}

void TWarpWindow::mouseReleaseEvent(QMouseEvent*) {
  FormMouseUp();
}

void TWarpWindow::RenderDistorted(Rect rect, SliderOrValue warpScale,
                                  SliderOrValue mirrorStrength) {
  model_.RenderDistorted(rect, warpScale, mirrorStrength, controls_.LeftSliderValue(),
                         controls_.RightSliderValue());
}

void TWarpWindow::RenderForSave(int percent) {
  const double t = percent * 0.01;
  model_.SetSmooth(true);
  RenderDistorted({0, 0, kFaceSize, kFaceSize}, controls_.RightSliderValue() * t * 0.1,
                  t * controls_.LeftSliderValue() * 0.1);
}

void TWarpWindow::paintEvent(QPaintEvent* event) {
  pending_ = false;
  if (model_.FaceBitmap().Empty()) return;
  const QRect u = event->rect();
  const Rect r = Rect{u.left(), u.top(), u.right() + 1, u.bottom() + 1}.ClampedTo(
      model_.FaceBitmap().Width(), model_.FaceBitmap().Height());
  RenderDistorted(r, UseSliderValue, UseSliderValue);
  QPainter painter(this);
  painter.drawImage(0, 0, WrapImage(model_.ViewBitmap()));
}

}  // namespace quillo
