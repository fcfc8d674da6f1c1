#include "Thumbs.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Gloss.h"
#include "Palette.h"
#include "ThumbGeometry.h"
#include "common/Layers.h"

namespace art {

namespace {

const quillo::Pixel kSliderKeyPixel = quillo::ColorRefToPixel(quillo::kSliderKey);

}  // namespace

quillo::Bitmap PaintThumbFrame(bool left, int k) {
  QImage layer = quillo::NewLayer(quillo::kThumbWidth, quillo::kThumbHeight);
  QPainter p(&layer);
  Smooth(p);
  const QPointF c = left ? kLeftKnob : kRightKnob;
  const double r = kKnobRadius;
  const double dir = left ? -1 : 1;  // where the pointer points

  QPainterPath pointer;
  pointer.moveTo(c.x() + dir * (r + 10), c.y());
  pointer.lineTo(c.x() + dir * (r - 3), c.y() - 7);
  pointer.lineTo(c.x() + dir * (r - 3), c.y() + 7);
  pointer.closeSubpath();
  QPainterPath ball;
  ball.addEllipse(c, r, r);
  const QPainterPath knob = pointer.united(ball).simplified();

  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawPath(Inflate(knob, 1.2));
  GoldFill(p, knob);
  QPainterPath gem;
  gem.addEllipse(c, r - 2.5, r - 2.5);
  // The light slides around the gem as the knob travels down the curve.
  const double t = k / 10.0;
  const QPointF light = c + QPointF(-3.5 + 2.0 * std::sin(t * M_PI), -4.5 + 2.5 * t);
  QRadialGradient body(light, r * 1.4);
  body.setColorAt(0, QColor(255, 190, 250));
  body.setColorAt(0.35, QColor(200, 40, 180));
  body.setColorAt(1, QColor(70, 0, 80));
  p.setBrush(body);
  p.drawPath(gem);
  p.setBrush(QColor(255, 255, 255, 215));
  p.drawEllipse(light, 3.0, 2.0);
  p.end();
  return quillo::KeyOut(layer, kSliderKeyPixel, kOutline);
}

quillo::Bitmap PaintTrackThumb() {
  QImage layer = quillo::NewLayer(28, 15);
  QPainter p(&layer);
  Smooth(p);
  const QPainterPath pill = RoundRect(QRectF(1, 1, 26, 13), 6.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawPath(Inflate(pill, 0.8));
  GoldFill(p, pill);
  const QPainterPath gem = RoundRect(QRectF(4, 3.5, 20, 8), 4);
  GlossFill(p, gem, QColor(190, 40, 170));
  p.end();
  return quillo::KeyOut(layer, quillo::ColorRefToPixel(quillo::kAqua), kOutline);
}

}  // namespace art
