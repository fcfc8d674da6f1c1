#include "ShadowLabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace quillo {

QFont LabelFont(int pixelSize) {
  QFont font("Liberation Sans");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(true);
  return font;
}

void DrawShadowLabel(QPainter& painter, const ShadowLabel& label, int top, int left) {
  const int x0 = left == -1 ? label.rect.left() : left;
  const int y0 = top == -1 ? label.rect.top() : top;
  const QRect rect(x0, y0, label.rect.width(), label.rect.height());
  painter.save();
  painter.setFont(label.font);
  painter.setClipRect(rect);
  const QFontMetrics metrics(label.font);
  const int x = x0 + (rect.width() - metrics.horizontalAdvance(label.caption)) / 2;
  const int y = y0 + (rect.height() - metrics.height()) / 2;
  const int baseline = y + metrics.ascent();
  painter.setPen(label.shadow);
  painter.drawText(x + label.shadowSize, baseline + label.shadowSize, label.caption);
  painter.setPen(label.color);
  painter.drawText(x, baseline, label.caption);
  painter.restore();
}

}  // namespace quillo
