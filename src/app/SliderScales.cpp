// The scales the main window writes beside its two sliders on the side
// panels: 0 to 100 for the brush and the warp on the Warping screen, 100 ...
// 0 ... 100 for the strength with "+" and "-" on the Mirrors screen.
#include <QPainter>
#include <cstdlib>

#include "MirrorScreen.h"
#include "ShadowLabel.h"

namespace quillo {

namespace {

const QColor kScaleText(86, 0, 126);
const QColor kScaleBar(12, 30, 165);

// The outline of the rectangle (x1, y1)-(x2, y2), right and bottom
// exclusive, whichever way round its corners are given.
void Bar(QPainter& canvas, int x1, int y1, int x2, int y2) {
  const QRect r = QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized();
  if (r.width() < 1 || r.height() < 1) return;
  canvas.drawRect(r.x(), r.y(), r.width() - 1, r.height() - 1);
}

// Text with its cell's top-left corner at (x, y).
void Text(QPainter& canvas, int x, int y, const QString& text) {
  canvas.drawText(x, y + canvas.fontMetrics().ascent(), text);
}

void Prepare(QPainter& canvas) {
  canvas.setRenderHint(QPainter::Antialiasing, false);
  canvas.setBrush(Qt::NoBrush);
  canvas.setFont(LabelFont(11));
  canvas.setPen(kScaleBar);
}

}  // namespace

void MirrorScreen::LeftPanelPaint(QPainter& canvas) {
  Prepare(canvas);
  if (!MirrorsMode()) {
    for (int n = 10; n >= 0; --n) {
      const int y = 22 * (10 - n);
      canvas.setPen(kScaleBar);
      Bar(canvas, 26, 53 + y, 30 + n, 55 + y);
      if (n > 0) Bar(canvas, 26, 64 + y, 28, 67 + y);
      canvas.setPen(kScaleText);
      Text(canvas, 42 - n, 22 * n + 46, QString::number(10 * (10 - n)));
    }
    return;
  }
  for (int n = 10; n >= -10; n -= 2) {
    const int y = 11 * (10 - n);
    canvas.setPen(kScaleBar);
    Bar(canvas, 26, 53 + y, 30 + std::abs(n), 55 + y);
    if (n > -10) Bar(canvas, 26, 63 + y, 28, 64 + y);
    canvas.setPen(kScaleText);
    Text(canvas, 32 + std::abs(n), 46 + y, QString::number(10 * std::abs(n)));
  }
  canvas.setFont(LabelFont(16));  // 12 points
  Text(canvas, 70, 43, "+");
  Text(canvas, 70, 260, "-");
}

void MirrorScreen::RightPanelPaint(QPainter& canvas) {
  if (MirrorsMode()) return;
  Prepare(canvas);
  for (int n = 10; n >= 0; --n) {
    const int y = 22 * (10 - n);
    canvas.setPen(kScaleBar);
    Bar(canvas, 116, 53 + y, 112 - n, 55 + y);
    if (n > 0) Bar(canvas, 116, 64 + y, 110, 65 + y);
    canvas.setPen(kScaleText);
    const QString text = QString::number(10 * (10 - n));
    Text(canvas, 100 + n - canvas.fontMetrics().horizontalAdvance(text), 22 * n + 46, text);
  }
}

}  // namespace quillo
