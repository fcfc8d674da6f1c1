#include "TGraphicButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "BitmapImage.h"
#include "ConnectHandler.h"
#include "base/Handler.h"
#include "skin/core/CellBlend.h"
#include "skin/core/CellPicture.h"
#include "skin/core/PictureHolder.h"

namespace quillo {

TGraphicButton::TGraphicButton(QWidget* parent) : QWidget(parent) {
  // Every pixel is painted here: nothing of the parent is painted first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(32, 32);
  Resource.OnChange = [this](TGraphicResource*) { update(); };
  ConnectHandler(&ticker_, &QTimer::timeout, this, [this] { TimerTick(); });
}

TGraphicButton::~TGraphicButton() {
  ticker_.stop();
  Resource.OnChange = nullptr;
}

void TGraphicButton::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void TGraphicButton::SetTransparency(int value) {
  if (value == transparency_) return;
  StopAnimate();
  transparency_ = std::clamp(value, 0, 100);
  update();
}

void TGraphicButton::AnimateState(int first, int last, int interval) {
  Resource.SetIndex(first);
  timer_.StartCycle(first, last, interval);
  RunTimer();
}

void TGraphicButton::AnimateTransparency(int from, int to, int step) {
  transparency_ = from;
  update();
  timer_.StartFade(from, to, step);
  RunTimer();
}

void TGraphicButton::StopAnimate() {
  timer_.Stop();
  RunTimer();
}

void TGraphicButton::RunTimer() {
  if (!timer_.Running()) {
    ticker_.stop();
    return;
  }
  ticker_.setInterval(timer_.Interval());
  if (!ticker_.isActive()) ticker_.start();
}

void TGraphicButton::TimerTick() {
  switch (timer_.Tick(Resource.Index())) {
    case ButtonTimer::Action::None:
      break;
    case ButtonTimer::Action::Repeat:
      if (OnMouseDown)
        RunHandler([this] { OnMouseDown(this, Qt::LeftButton, Qt::NoModifier, 0, 0); });
      break;
    case ButtonTimer::Action::Transparency:
      transparency_ = timer_.NewTransparency();
      update();
      break;
    case ButtonTimer::Action::NextCell:
      Resource.SetIndex(timer_.NextIndex());
      update();
      break;
  }
  RunTimer();
}

const Bitmap* TGraphicButton::Sheet() const {
  const PictureHolder* holder = Resource.Image();
  return holder && holder->HasPicture() ? &holder->Picture() : nullptr;
}

bool TGraphicButton::SheetHasAlpha() const {
  return Sheet() && Resource.Image()->BitsPerPixel() == 32;
}

void TGraphicButton::EnsureBackground() {
  if (!background_.Empty()) return;
  background_.SetSize(width(), height());
  QWidget* parent = parentWidget();
  if (!parent || background_.Empty()) return;
  QImage surface = PaintableImage(background_);
  QPainter painter(&surface);
  // The parent's own painting under the button, without its children.
  parent->render(&painter, QPoint(0, 0), QRegion(geometry()), QWidget::DrawWindowBackground);
  // Then the siblings created before this button that overlap it.
  for (QObject* object : parent->children()) {
    if (object == this) break;
    auto* sibling = qobject_cast<QWidget*>(object);
    if (!sibling || sibling->isWindow() || !sibling->isVisibleTo(parent) ||
        !sibling->geometry().intersects(geometry()))
      continue;
    sibling->render(&painter, sibling->pos() - pos(), QRegion(sibling->rect()),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
  }
}

void TGraphicButton::DrawCaption(Bitmap& picture) const {
  if (caption_.isEmpty() || picture.Empty()) return;
  QImage surface = PaintableImage(picture);
  QPainter painter(&surface);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.setClipRect(QRect(0, 0, width(), height()));
  const QFontMetrics metrics(font());
  const int x = (picture.Width() - metrics.horizontalAdvance(caption_)) / 2;
  const int y = (picture.Height() - metrics.height()) / 2;
  painter.drawText(x, y + metrics.ascent(), caption_);
}

void TGraphicButton::CallOnPaint(Bitmap& picture) {
  if (!OnPaint || picture.Empty()) return;
  QImage surface = PaintableImage(picture);
  QPainter painter(&surface);
  RunHandler([&] { OnPaint(this, painter); });
}

Bitmap TGraphicButton::Compose() {
  const int w = width();
  const int h = height();
  const bool blending = Resource.Color() != kColorNone || transparency_ != 0;
  if (blending) EnsureBackground();
  Bitmap out(w, h);
  out.Draw(0, 0, background_);

  Bitmap cell;
  if (const Bitmap* sheet = Sheet()) {
    cell = CutCell(*sheet, Resource.CellRect(w, h), w, h);
  } else {
    const QColor own = palette().color(QPalette::Button);
    cell = Bitmap(w, h, MakePixel(own.red(), own.green(), own.blue()));
  }
  DrawCaption(cell);

  if (!blending)
    out = std::move(cell);
  else if (transparency_ != 100)
    BlendCell(out, cell, 0, 0, Resource.KeyPixel(), transparency_, SheetHasAlpha());
  CallOnPaint(out);
  return out;
}

void TGraphicButton::paintEvent(QPaintEvent*) {
  Bitmap picture;
  if (!RunHandler([&] { picture = Compose(); })) return;
  QPainter painter(this);
  painter.drawImage(0, 0, WrapImage(picture));
}

void TGraphicButton::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  Resource.PointerEntered();
  if (OnMouseEnter) RunHandler([this] { OnMouseEnter(this); });
}

void TGraphicButton::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  Resource.PointerLeft();
  if (OnMouseLeave) RunHandler([this] { OnMouseLeave(this); });
}

void TGraphicButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    Resource.LeftPressed();
    if (TimerMouseDown > 0) {
      timer_.StartRepeat(TimerMouseDown);
      RunTimer();
    }
  }
  const QPoint p = event->position().toPoint();
  if (OnMouseDown)
    RunHandler([&] { OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y()); });
}

void TGraphicButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Resource.LeftReleased();
  if (timer_.CurrentMode() == ButtonTimer::Mode::Repeat) StopAnimate();
  const QPoint p = event->position().toPoint();
  if (OnMouseUp)
    RunHandler([&] { OnMouseUp(this, event->button(), event->modifiers(), p.x(), p.y()); });
  if (event->button() == Qt::LeftButton && rect().contains(p) && OnClick)
    RunHandler([this] { OnClick(this); });
}

void TGraphicButton::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (OnMouseMove) RunHandler([&] { OnMouseMove(this, event->modifiers(), p.x(), p.y()); });
}

void TGraphicButton::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  ClearBackground();
  update();
}

void TGraphicButton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ClearBackground();
  update();
}

}  // namespace quillo
