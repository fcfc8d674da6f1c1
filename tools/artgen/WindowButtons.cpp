#include "WindowButtons.h"

#include <QPainterPath>

#include "Fonts.h"
#include "Gloss.h"
#include "Palette.h"
#include "ToolIcons.h"

namespace art {

namespace {

double Drop(Look look) {
  return look == Look::Pressed ? 1.0 : 0.0;
}

QColor Shade(QColor base, Look look) {
  switch (look) {
    case Look::Quiet:
      return Mix(base, QColor(30, 30, 70), 0.55);
    case Look::Lit:
      return base;
    case Look::Hover:
      return base.lighter(125);
    case Look::Pressed:
      return base.darker(130);
  }
  return base;
}

void RoundButton(QPainter& p, QPointF c, double r, const QColor& base, Look look) {
  QPainterPath rim;
  rim.addEllipse(c, r, r);
  QPainterPath ball;
  ball.addEllipse(c, r - 2, r - 2);
  if (look == Look::Hover) Glow(p, rim, kCyan, 3);
  Shadow(p, rim, 1.5, 2);
  GoldFill(p, rim.subtracted(ball), look == Look::Quiet ? 0.6 : look == Look::Hover ? 1.1 : 0.95);
  GlossFill(p, ball, Shade(base, look), look == Look::Quiet ? 0.45 : 0.9);
}

}  // namespace

void DrawExitButton(QPainter& p, const QRectF& b, Look look) {
  p.save();
  Smooth(p);
  const QRectF plate(b.left() + 40, b.top() + 12 + Drop(look), 191, 30);
  const QPainterPath rim = RoundRect(plate, 15);
  const QPainterPath glass = RoundRect(plate.adjusted(2.5, 2.5, -2.5, -2.5), 12.5);
  if (look == Look::Lit) Glow(p, rim, QColor(255, 120, 220), 9);
  if (look == Look::Pressed) Glow(p, rim, QColor(255, 200, 90), 5);
  Shadow(p, rim, look == Look::Pressed ? 1 : 3, 4);
  GoldFill(p, rim.subtracted(glass), look == Look::Quiet ? 0.6 : 1.05);
  GlossFill(p, glass, Shade(QColor(170, 30, 130), look), look == Look::Quiet ? 0.4 : 0.85);
  // Small arrows at both ends point the way out.
  p.setPen(Qt::NoPen);
  p.setBrush(look == Look::Quiet ? QColor(200, 160, 90) : kGoldLight);
  for (int side : {-1, 1}) {
    const double x = plate.center().x() + side * 78;
    const double y = plate.center().y();
    QPainterPath arrow;
    arrow.moveTo(x + side * 6, y);
    arrow.lineTo(x - side * 3, y - 6);
    arrow.lineTo(x - side * 3, y + 6);
    arrow.closeSubpath();
    p.drawPath(arrow);
  }
  p.restore();
  if (look == Look::Lit) Sparkle(p, QPointF(plate.right() - 20, plate.top() + 4), 8, Qt::white);
}

void DrawCloseButton(QPainter& p, const QRectF& b, Look look) {
  p.save();
  Smooth(p);
  const QPointF c = b.center() + QPointF(0, Drop(look));
  RoundButton(p, c, 8.5, look == Look::Quiet ? QColor(60, 50, 110) : QColor(220, 30, 50), look);
  p.setPen(QPen(look == Look::Quiet ? QColor(200, 190, 230) : Qt::white, 2.0, Qt::SolidLine,
                Qt::RoundCap));
  p.drawLine(c + QPointF(-3, -3), c + QPointF(3, 3));
  p.drawLine(c + QPointF(3, -3), c + QPointF(-3, 3));
  p.restore();
}

void DrawMinimizeButton(QPainter& p, const QRectF& b, Look look) {
  p.save();
  Smooth(p);
  const QPointF c = b.center() + QPointF(0, Drop(look));
  RoundButton(p, c, 8.5, look == Look::Quiet ? QColor(60, 50, 110) : QColor(30, 130, 230), look);
  p.setPen(QPen(look == Look::Quiet ? QColor(200, 190, 230) : Qt::white, 2.2, Qt::SolidLine,
                Qt::RoundCap));
  p.drawLine(c + QPointF(-3.5, 3), c + QPointF(3.5, 3));
  p.restore();
}

void DrawShortcutButton(QPainter& p, const QRectF& b, int shortcut, Look look) {
  p.save();
  Smooth(p);
  const double drop = Drop(look);
  if (shortcut == 0) {
    const QRectF plate(b.left() + 3, b.top() + 4 + drop, b.width() - 6, b.height() - 9);
    const QPainterPath rim = RoundRect(plate, plate.height() / 2);
    const QPainterPath glass = RoundRect(plate.adjusted(2, 2, -2, -2), plate.height() / 2 - 2);
    if (look == Look::Hover) Glow(p, rim, kCyan, 3);
    Shadow(p, rim, 1.5, 2);
    GoldFill(p, rim.subtracted(glass), look == Look::Hover ? 1.1 : 0.95);
    GlossFill(p, glass, Shade(kRoyal, look), 0.85);
    DrawToolIcon(p, QRectF(plate.left() + 5, plate.top() + 3, 26, 26), Tool::Globe);
    DrawCaption(p, "Website", ArtFont(Face::SansBold, 13),
                QRectF(plate.left() + 30, plate.top(), plate.width() - 34, plate.height()),
                Qt::white, QColor(0, 0, 40));
  } else {
    const Tool icons[3] = {Tool::Dice, Tool::Heart, Tool::Bell};
    const QColor glass[3] = {QColor(40, 150, 90), QColor(200, 50, 140), QColor(110, 50, 200)};
    const double r = std::min(b.width(), b.height()) / 2 - 3;
    const QPointF c = b.center() + QPointF(0, drop);
    RoundButton(p, c, r, glass[shortcut - 1], look);
    const double icon = r * 1.25;
    DrawToolIcon(p, QRectF(c.x() - icon / 2, c.y() - icon / 2, icon, icon), icons[shortcut - 1]);
  }
  p.restore();
}

}  // namespace art
