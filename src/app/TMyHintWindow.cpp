#include "TMyHintWindow.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include "skin/ConnectHandler.h"

namespace quillo {

namespace {

constexpr int kHintShowMs = 10000;  // the toolkit's usual time a hint stays up

}  // namespace

TMyHintWindow::TMyHintWindow() {
  setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFont(QFont("Times New Roman", 10));
  setMargin(3);
  setPalette(QToolTip::palette());
  setAutoFillBackground(true);
  hideTimer_.setSingleShot(true);
  ConnectHandler(&hideTimer_, &QTimer::timeout, this, [this] { hide(); });
}

void TMyHintWindow::ShowHint(const QString& text, QPoint globalPos) {
  setText(text);
  adjustSize();
  QPoint at = globalPos + QPoint(0, 20);
  if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
    const QRect area = screen->availableGeometry();
    at.setX(std::min(at.x(), area.right() - width()));
    if (at.y() + height() > area.bottom()) at.setY(globalPos.y() - height() - 4);
  }
  move(at);
  show();
  raise();
  hideTimer_.start(kHintShowMs);
}

void TMyHintWindow::Install() {
  qApp->installEventFilter(this);
}

bool TMyHintWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip: {
      auto* widget = qobject_cast<QWidget*>(watched);
      const auto* help = static_cast<QHelpEvent*>(event);
      if (!widget || widget->toolTip().isEmpty()) {
        hide();
        return false;
      }
      ShowHint(widget->toolTip(), help->globalPos());
      return true;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::WindowDeactivate:
      if (isVisible() && watched != this) hide();
      return false;
    default:
      return false;
  }
}

void TMyHintWindow::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  // A raised edge on all four sides of the whole window.
  QPainter painter(this);
  const QRect r = rect().adjusted(0, 0, -1, -1);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace quillo
