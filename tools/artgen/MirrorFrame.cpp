#include "MirrorFrame.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include "Gloss.h"
#include "Palette.h"
#include "skin/QtRect.h"
#include "skin/core/WindowPlaces.h"

namespace art {

QPainterPath BarrelPath() {
  const QRectF window = quillo::ToRectF(quillo::InArt(quillo::kMirrorWindow));
  const QRectF ellipse = quillo::ToRectF(quillo::InArt(quillo::kMirrorEllipse));
  QPainterPath rect;
  rect.addRect(window);
  QPainterPath oval;
  oval.addEllipse(ellipse);
  return rect.intersected(oval).simplified();
}

void DrawMirrorFrame(QPainter& painter) {
  const QPainterPath barrel = BarrelPath();
  const QPainterPath lip = Inflate(barrel, 4);
  const QPainterPath outer = Inflate(barrel, 12);
  const QRectF box = outer.boundingRect();

  Glow(painter, outer, QColor(120, 200, 255, 255), 9);
  Shadow(painter, outer, 3, 5);
  // Gold frame.
  GoldFill(painter, outer.subtracted(lip));
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 250, 210, 170), 1.2));
  painter.drawPath(Inflate(barrel, 10.5));
  painter.setPen(QPen(QColor(90, 50, 0, 200), 1.0));
  painter.drawPath(Inflate(barrel, 5));
  painter.restore();
  // Purple lip just outside the glass.
  painter.save();
  QLinearGradient purple(box.topLeft(), box.bottomLeft());
  purple.setColorAt(0, kViolet);
  purple.setColorAt(0.5, kPurple);
  purple.setColorAt(1, kPurpleDeep);
  painter.setPen(Qt::NoPen);
  painter.setBrush(purple);
  painter.drawPath(lip.subtracted(barrel));
  painter.restore();

  // The glass: deep blue with a reflection across it.
  const QRectF glass = barrel.boundingRect();
  painter.save();
  QRadialGradient deep(glass.center() - QPointF(40, 60), glass.height() * 0.8);
  deep.setColorAt(0, QColor(40, 80, 150));
  deep.setColorAt(0.6, QColor(10, 30, 80));
  deep.setColorAt(1, QColor(2, 8, 30));
  painter.setPen(Qt::NoPen);
  painter.setBrush(deep);
  painter.drawPath(barrel);
  painter.setClipPath(barrel);
  QPainterPath streak;
  streak.moveTo(glass.left(), glass.top() + glass.height() * 0.42);
  streak.lineTo(glass.left() + glass.width() * 0.52, glass.top());
  streak.lineTo(glass.left() + glass.width() * 0.70, glass.top());
  streak.lineTo(glass.left(), glass.top() + glass.height() * 0.66);
  streak.closeSubpath();
  painter.setBrush(QColor(255, 255, 255, 22));
  painter.drawPath(streak);
  painter.restore();

  Sparkle(painter, QPointF(box.left() + 40, box.top() + 12), 9, kGoldLight);
  Sparkle(painter, QPointF(box.right() - 26, box.bottom() - 14), 7, kGoldLight);
}

}  // namespace art
