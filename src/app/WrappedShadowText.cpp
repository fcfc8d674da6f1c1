#include "WrappedShadowText.h"

#include <QFontMetrics>
#include <QPainter>

namespace quillo {

void DrawWrappedShadowLabel(QPainter& painter, const ShadowLabel& label) {
  const QRect& rect = label.rect;
  const QFontMetrics metrics(label.font);
  const int height = metrics.boundingRect(rect, Qt::TextWordWrap, label.caption).height();
  const int flags = Qt::AlignHCenter | Qt::TextWordWrap |
                    (height > rect.height() ? Qt::AlignTop : Qt::AlignVCenter);
  painter.save();
  painter.setFont(label.font);
  painter.setClipRect(rect);
  painter.setPen(label.shadow);
  painter.drawText(rect.translated(label.shadowSize, label.shadowSize), flags, label.caption);
  painter.setPen(label.color);
  painter.drawText(rect, flags, label.caption);
  painter.restore();
}

}  // namespace quillo
