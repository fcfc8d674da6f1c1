#include "AppIcon.h"

#include <QPainter>

#include "ModeButtons.h"

namespace art {

QImage PaintAppIcon(int size) {
  // The orb with its ring and glow fills this square of the button's own
  // units; the button's 116-unit cell leaves a margin that would only waste
  // a small icon's pixels.
  constexpr double kButton = 116, kSpan = 112;
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.scale(size / kSpan, size / kSpan);
  painter.translate((kSpan - kButton) / 2, (kSpan - kButton) / 2);
  DrawModeButton(painter, QRectF(0, 0, kButton, kButton), Mode::Warping, Look::Lit);
  return icon;
}

}  // namespace art
