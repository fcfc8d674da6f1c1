#include "Faces.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace art {

void DrawFace(QPainter& painter, const QRectF& r, const FaceLook& look) {
  painter.save();
  const double w = r.width(), h = r.height();
  auto at = [&](double fx, double fy) { return QPointF(r.left() + fx * w, r.top() + fy * h); };

  QRadialGradient skin(at(0.38, 0.32), w * 0.75);
  skin.setColorAt(0.0, look.skin.lighter(118));
  skin.setColorAt(0.7, look.skin);
  skin.setColorAt(1.0, look.skin.darker(135));
  painter.setPen(QPen(look.skin.darker(260), std::max(1.0, w * 0.03)));
  painter.setBrush(skin);
  painter.drawEllipse(r.adjusted(w * 0.02, h * 0.02, -w * 0.02, -h * 0.02));

  if (look.hair.alpha() > 0) {
    QPainterPath hair;
    hair.moveTo(at(0.12, 0.36));
    hair.cubicTo(at(0.10, 0.02), at(0.90, 0.02), at(0.88, 0.36));
    hair.cubicTo(at(0.70, 0.18), at(0.52, 0.26), at(0.40, 0.16));
    hair.cubicTo(at(0.32, 0.26), at(0.20, 0.26), at(0.12, 0.36));
    QRadialGradient shine(at(0.4, 0.1), w * 0.5);
    shine.setColorAt(0.0, look.hair.lighter(170));
    shine.setColorAt(1.0, look.hair);
    painter.setPen(QPen(look.hair.darker(200), std::max(0.8, w * 0.02)));
    painter.setBrush(shine);
    painter.drawPath(hair);
  }

  // Cheeks.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 90, 120, 70));
  painter.drawEllipse(at(0.24, 0.60), w * 0.09, h * 0.06);
  painter.drawEllipse(at(0.76, 0.60), w * 0.09, h * 0.06);

  // Eyes: white, pupil, glint.
  for (double fx : {0.35, 0.65}) {
    painter.setPen(QPen(QColor(40, 20, 30), std::max(0.6, w * 0.015)));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at(fx, 0.45), w * 0.085, h * 0.105);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 30, 90));
    painter.drawEllipse(at(fx + 0.012, 0.47), w * 0.05, h * 0.06);
    painter.setBrush(Qt::white);
    painter.drawEllipse(at(fx - 0.01, 0.44), w * 0.018, h * 0.018);
  }

  // Smile.
  QPainterPath mouth;
  mouth.moveTo(at(0.32, 0.66));
  mouth.quadTo(at(0.5, 0.84), at(0.68, 0.66));
  mouth.quadTo(at(0.5, 0.74), at(0.32, 0.66));
  painter.setPen(QPen(QColor(110, 20, 40), std::max(0.8, w * 0.025), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
  painter.setBrush(QColor(200, 40, 70));
  painter.drawPath(mouth);
  painter.restore();
}

}  // namespace art
