#include "TNonRectPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "BitmapImage.h"
#include "ConnectHandler.h"
#include "RegionFromBitmap.h"
#include "base/Handler.h"
#include "skin/core/CellPicture.h"
#include "skin/core/Glide.h"
#include "skin/core/PictureHolder.h"

namespace quillo {

namespace {
constexpr int kGlideStep = 50;  // milliseconds
}  // namespace

TNonRectPanel::TNonRectPanel(QWidget* parent) : QWidget(parent), Resource(-1, -1) {
  resize(64, 32);
  setAutoFillBackground(true);
  Resource.OnChange = [this](TGraphicResource*) { ResourceChanged(); };
  glide_.setInterval(kGlideStep);
  ConnectHandler(&glide_, &QTimer::timeout, this, [this] { GlideTick(); });
}

TNonRectPanel::~TNonRectPanel() {
  glide_.stop();
  Resource.OnChange = nullptr;
}

const Bitmap* TNonRectPanel::Sheet() const {
  const PictureHolder* holder = Resource.Image();
  return holder && holder->HasPicture() ? &holder->Picture() : nullptr;
}

Bitmap TNonRectPanel::CellPicture() const {
  const Bitmap* sheet = Sheet();
  if (!sheet) return {};
  const Rect cell = Resource.CellRect(width(), height());
  Bitmap picture = CutCell(*sheet, cell, cell.Width(), cell.Height());
  // A 24-bit picture: the fourth byte of every pixel is 0.
  Pixel* p = picture.Data();
  Pixel* const end = p + static_cast<std::size_t>(picture.Width()) * picture.Height();
  for (; p != end; ++p) *p = ColourBits(*p);
  return picture;
}

void TNonRectPanel::ResourceChanged() {
  const Bitmap* sheet = Sheet();
  // With art the panel paints every pixel itself; without, it erases.
  setAttribute(Qt::WA_OpaquePaintEvent, sheet != nullptr);
  setAutoFillBackground(sheet == nullptr);
  std::optional<QRegion> shape;
  if (sheet && Resource.Color() != kColorNone) {
    const Rect cell = Resource.CellRect(width(), height());
    shape = CreateRegionFromBitmap32(CutCell(*sheet, cell, cell.Width(), cell.Height()),
                                     Resource.Color());
  }
  if (shape)
    setMask(*shape);
  else
    clearMask();
  update();
}

void TNonRectPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Bitmap picture = CellPicture();
  if (picture.Empty()) {
    if (OnPaint) RunHandler([&] { OnPaint(this, painter); });
    return;
  }
  if (OnPaint) {
    QImage surface = PaintableImage(picture);
    QPainter canvas(&surface);
    RunHandler([&] { OnPaint(this, canvas); });
  }
  if (picture.Width() != width() || picture.Height() != height())
    picture = ScaleNearest(picture, width(), height());
  painter.drawImage(0, 0, WrapImage(picture));
}

void TNonRectPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A cell of the panel's own size follows it.
  if (Resource.Width() == 0 || Resource.Height() == 0) ResourceChanged();
}

void TNonRectPanel::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  Resource.PointerEntered();
  if (OnMouseEnter) RunHandler([this] { OnMouseEnter(this); });
}

void TNonRectPanel::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  Resource.PointerLeft();
  if (OnMouseLeave) RunHandler([this] { OnMouseLeave(this); });
}

void TNonRectPanel::StartDrag(QMouseEvent* event) {
  QWidget* target = AutoMove == amSelf ? this : parentWidget();
  if (!target) return;
  // A top-level window is moved by the window system where it offers that.
  if (target->isWindow() && target->windowHandle() && target->windowHandle()->startSystemMove())
    return;
  dragged_ = target;
  dragFrom_ = event->globalPosition().toPoint();
  dragOrigin_ = target->pos();
}

void TNonRectPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && AutoMove != amNone) {
    StartDrag(event);
    return;
  }
  if (event->button() == Qt::LeftButton) Resource.LeftPressed();
  const QPoint p = event->position().toPoint();
  if (OnMouseDown)
    RunHandler([&] { OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y()); });
}

void TNonRectPanel::mouseMoveEvent(QMouseEvent* event) {
  if (dragged_) dragged_->move(dragOrigin_ + event->globalPosition().toPoint() - dragFrom_);
}

void TNonRectPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (dragged_) {
    dragged_ = nullptr;
    return;
  }
  if (event->button() == Qt::LeftButton) Resource.LeftReleased();
  const QPoint p = event->position().toPoint();
  if (OnMouseUp)
    RunHandler([&] { OnMouseUp(this, event->button(), event->modifiers(), p.x(), p.y()); });
  if (event->button() == Qt::LeftButton && rect().contains(p) && OnClick)
    RunHandler([this] { OnClick(this); });
}

void TNonRectPanel::MoveTo(int dx, int dy, int duration) {
  if (duration <= 0) {
    glide_.stop();
    move(x() + dx, y() + dy);
    return;
  }
  glideStart_ = pos();
  glideOffset_ = QPoint(dx, dy);
  glideDuration_ = duration;
  glideElapsed_ = 0;
  glide_.start();
}

void TNonRectPanel::GlideTick() {
  glideElapsed_ += kGlideStep;
  if (glideElapsed_ >= glideDuration_) {
    glide_.stop();
    glideElapsed_ = 0;
    move(glideStart_ + glideOffset_);
    return;
  }
  move(glideStart_.x() + GlideOffset(glideElapsed_, glideDuration_, glideOffset_.x()),
       glideStart_.y() + GlideOffset(glideElapsed_, glideDuration_, glideOffset_.y()));
}

}  // namespace quillo
