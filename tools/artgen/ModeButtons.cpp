#include "ModeButtons.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Gloss.h"
#include "Palette.h"

namespace art {

namespace {

QColor OrbColour(Mode mode) {
  switch (mode) {
    case Mode::Warping:
      return QColor(150, 50, 190);
    case Mode::Morphing:
      return QColor(60, 80, 210);
    case Mode::Mirrors:
      return QColor(30, 120, 200);
    case Mode::Blending:
      return QColor(120, 60, 210);
  }
  return kPurple;
}

}  // namespace

void DrawModeButton(QPainter& p, const QRectF& button, Mode mode, Look look) {
  const bool quiet = look == Look::Quiet;
  const bool pressed = look == Look::Pressed;
  const QPointF c = button.center() + QPointF(0, pressed ? 2 : 0);
  const double ringR = 49, orbR = 43;
  QColor base = OrbColour(mode);
  if (quiet) base = Mix(base, QColor(30, 40, 90), 0.55);
  if (pressed) base = base.darker(125);

  p.save();
  Smooth(p);
  QPainterPath ring;
  ring.addEllipse(c, ringR, ringR);
  QPainterPath orb;
  orb.addEllipse(c, orbR, orbR);

  if (!quiet) Glow(p, ring, pressed ? QColor(255, 210, 90) : kCyan, pressed ? 5 : 8);
  Shadow(p, ring, pressed ? 1 : 3, 4);
  GoldFill(p, ring.subtracted(orb), quiet ? 0.62 : pressed ? 0.9 : 1.08);

  // Glass body.
  QRadialGradient body(c + QPointF(-orbR * 0.3, -orbR * 0.4), orbR * 1.5);
  body.setColorAt(0.0, base.lighter(quiet ? 125 : 170));
  body.setColorAt(0.55, base);
  body.setColorAt(1.0, base.darker(220));
  p.setPen(QPen(base.darker(300), 1.2));
  p.setBrush(body);
  p.drawPath(orb);

  p.setClipPath(orb);
  // Inner light at the bottom of the glass.
  QRadialGradient under(c + QPointF(0, orbR), orbR * 0.9);
  QColor glow = quiet ? base.lighter(130) : QColor(140, 230, 255);
  glow.setAlpha(quiet ? 50 : 140);
  under.setColorAt(0, glow);
  glow.setAlpha(0);
  under.setColorAt(1, glow);
  p.setPen(Qt::NoPen);
  p.setBrush(under);
  p.drawEllipse(c, orbR, orbR);

  const double icon = 60;
  p.setOpacity(quiet ? 0.55 : 1.0);
  DrawModeIcon(p, QRectF(c.x() - icon / 2, c.y() - icon / 2 + 2, icon, icon), mode);
  p.setOpacity(1.0);
  if (quiet) {
    // Dim the icon further towards the glass colour.
    p.setBrush(QColor(20, 20, 60, 70));
    p.drawEllipse(c, orbR, orbR);
  }
  if (pressed) {
    QRadialGradient shade(c, orbR);
    shade.setColorAt(0.7, QColor(0, 0, 30, 0));
    shade.setColorAt(1.0, QColor(0, 0, 30, 120));
    p.setBrush(shade);
    p.drawEllipse(c, orbR, orbR);
  }

  // The reflection over the upper half.
  const QRectF top(c.x() - orbR * 0.72, c.y() - orbR * 0.94, orbR * 1.44, orbR * 0.9);
  QLinearGradient shine(top.topLeft(), top.bottomLeft());
  const int strength = quiet ? 90 : pressed ? 120 : 200;
  shine.setColorAt(0, QColor(255, 255, 255, strength));
  shine.setColorAt(1, QColor(255, 255, 255, 8));
  p.setBrush(shine);
  p.drawEllipse(top);
  p.restore();

  if (look == Look::Lit) Sparkle(p, c + QPointF(orbR * 0.62, -orbR * 0.62), 10, Qt::white);
}

}  // namespace art
