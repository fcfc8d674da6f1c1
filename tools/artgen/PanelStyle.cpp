#include "PanelStyle.h"

#include <QLinearGradient>

#include "Gloss.h"
#include "Palette.h"

namespace art {

void DrawPanelBody(QPainter& p, const QPainterPath& shape) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawPath(shape);
  const QPainterPath rim = Deflate(shape, 1.5);
  const QPainterPath glass = Deflate(shape, 5);
  GoldFill(p, rim);
  GlossFill(p, glass, kPurple, 0.4);
  p.restore();
}

void DrawWell(QPainter& p, const QRectF& well, double radius) {
  p.save();
  p.setPen(QPen(kGold, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(well.adjusted(-1.5, -1.5, 1.5, 1.5), radius + 1.5, radius + 1.5);
  QLinearGradient light(well.topLeft(), well.bottomLeft());
  light.setColorAt(0.0, kWellShade);
  light.setColorAt(0.08, kWell);
  light.setColorAt(0.85, QColor(246, 244, 255));
  light.setColorAt(1.0, kWellShade);
  p.setPen(QPen(QColor(80, 50, 140), 1));
  p.setBrush(light);
  p.drawRoundedRect(well, radius, radius);
  // Inner shadow along the top edge.
  p.setClipRect(well);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(60, 30, 120, 60), 3));
  p.drawRoundedRect(well.adjusted(-1, 0, 1, 10), radius, radius);
  p.restore();
}

void DrawGroove(QPainter& p, const QPainterPath& track) {
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(170, 160, 220), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(track);
  p.setPen(QPen(QColor(70, 40, 130), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(track);
  p.setPen(QPen(QColor(30, 10, 70), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(track.translated(-0.5, -0.5));
  p.setPen(QPen(QColor(255, 255, 255, 120), 1, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(track.translated(2.5, 0.5));
  p.restore();
}

}  // namespace art
