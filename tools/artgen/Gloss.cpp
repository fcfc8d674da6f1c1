#include "Gloss.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <cmath>

#include "Palette.h"

namespace art {

void Smooth(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box) {
  const QFontMetricsF metrics(font);
  const double width = metrics.horizontalAdvance(text);
  const double x = box.left() + (box.width() - width) / 2;
  const double y =
      box.top() + (box.height() - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
  QPainterPath path;
  path.addText(QPointF(x, y), font, text);
  return path;
}

void DrawCaption(QPainter& painter, const QString& text, const QFont& font, const QRectF& box,
                 const QColor& fill, const QColor& shadow) {
  const QPainterPath path = TextPath(text, font, box);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(shadow);
  painter.drawPath(path.translated(1, 1));
  painter.setBrush(fill);
  painter.drawPath(path);
  painter.restore();
}

void GlossFill(QPainter& painter, const QPainterPath& shape, const QColor& base, double shine) {
  const QRectF r = shape.boundingRect();
  painter.save();
  painter.setPen(Qt::NoPen);
  QLinearGradient body(r.topLeft(), r.bottomLeft());
  body.setColorAt(0.0, base.lighter(150));
  body.setColorAt(0.45, base);
  body.setColorAt(1.0, base.darker(170));
  painter.setBrush(body);
  painter.drawPath(shape);

  painter.setClipPath(shape, Qt::IntersectClip);
  // Light coming back through the glass at the bottom.
  QRadialGradient under(QPointF(r.center().x(), r.bottom()), r.width() * 0.55);
  QColor warm = base.lighter(190);
  warm.setAlpha(static_cast<int>(120 * shine));
  under.setColorAt(0.0, warm);
  warm.setAlpha(0);
  under.setColorAt(1.0, warm);
  painter.setBrush(under);
  painter.drawRect(r);
  // The reflection of a window on the upper half.
  const QRectF top(r.left() + r.width() * 0.08, r.top() + r.height() * 0.03, r.width() * 0.84,
                   r.height() * 0.5);
  QLinearGradient reflect(top.topLeft(), top.bottomLeft());
  reflect.setColorAt(0.0, QColor(255, 255, 255, static_cast<int>(200 * shine)));
  reflect.setColorAt(1.0, QColor(255, 255, 255, static_cast<int>(18 * shine)));
  painter.setBrush(reflect);
  const double radius = std::min(top.width(), top.height()) / 2;
  painter.drawRoundedRect(top, radius, radius);
  painter.restore();

  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(base.darker(260), 1.2));
  painter.drawPath(shape);
  painter.restore();
}

void GoldFill(QPainter& painter, const QPainterPath& shape, double brightness) {
  const QRectF r = shape.boundingRect();
  auto shade = [brightness](const QColor& c) {
    return QColor::fromRgbF(std::min(1.0, c.redF() * brightness),
                            std::min(1.0, c.greenF() * brightness),
                            std::min(1.0, c.blueF() * brightness));
  };
  QLinearGradient metal(r.topLeft(), r.bottomRight());
  metal.setColorAt(0.00, shade(kGoldLight));
  metal.setColorAt(0.22, shade(kGold));
  metal.setColorAt(0.45, shade(kGoldDeep));
  metal.setColorAt(0.62, shade(kGold));
  metal.setColorAt(0.80, shade(kGoldLight));
  metal.setColorAt(1.00, shade(kGoldDeep));
  painter.save();
  painter.setPen(QPen(shade(QColor(90, 50, 0)), 1.0));
  painter.setBrush(metal);
  painter.drawPath(shape);
  painter.restore();
}

void Glow(QPainter& painter, const QPainterPath& shape, const QColor& colour, double radius) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  const int steps = std::max(2, static_cast<int>(radius));
  for (int i = steps; i >= 1; --i) {
    QColor c = colour;
    const double t = static_cast<double>(i) / steps;
    c.setAlphaF(colour.alphaF() * 0.16 * (1 - t) * (1 - t) + 0.01);
    painter.setPen(QPen(c, 2 * radius * t, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(shape);
  }
  painter.restore();
}

void Shadow(QPainter& painter, const QPainterPath& shape, double offset, double radius, int alpha) {
  painter.save();
  const QPainterPath moved = shape.translated(offset, offset);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 20, alpha / 2));
  painter.drawPath(moved);
  painter.setBrush(Qt::NoBrush);
  const int steps = std::max(2, static_cast<int>(radius));
  for (int i = steps; i >= 1; --i) {
    const double t = static_cast<double>(i) / steps;
    painter.setPen(QPen(QColor(0, 0, 20, static_cast<int>(alpha * 0.12 * (1 - t) + 1)),
                        2 * radius * t, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(moved);
  }
  painter.restore();
}

void Sparkle(QPainter& painter, QPointF centre, double size, const QColor& colour) {
  painter.save();
  QRadialGradient halo(centre, size);
  QColor c = colour;
  c.setAlpha(150);
  halo.setColorAt(0.0, c);
  c.setAlpha(0);
  halo.setColorAt(1.0, c);
  painter.setPen(Qt::NoPen);
  painter.setBrush(halo);
  painter.drawEllipse(centre, size, size);
  QPainterPath star;
  const double w = size * 0.16;
  star.moveTo(centre.x(), centre.y() - size);
  star.quadTo(centre.x() + w, centre.y() - w, centre.x() + size, centre.y());
  star.quadTo(centre.x() + w, centre.y() + w, centre.x(), centre.y() + size);
  star.quadTo(centre.x() - w, centre.y() + w, centre.x() - size, centre.y());
  star.quadTo(centre.x() - w, centre.y() - w, centre.x(), centre.y() - size);
  painter.setBrush(QColor(255, 255, 255, 235));
  painter.drawPath(star);
  painter.restore();
}

QPainterPath Inflate(const QPainterPath& shape, double d) {
  QPainterPathStroker stroker;
  stroker.setWidth(2 * d);
  stroker.setJoinStyle(Qt::RoundJoin);
  stroker.setCapStyle(Qt::RoundCap);
  return stroker.createStroke(shape).united(shape).simplified();
}

QPainterPath Deflate(const QPainterPath& shape, double d) {
  QPainterPathStroker stroker;
  stroker.setWidth(2 * d);
  stroker.setJoinStyle(Qt::RoundJoin);
  return shape.subtracted(stroker.createStroke(shape)).simplified();
}

QPainterPath RoundRect(const QRectF& rect, double radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

}  // namespace art
