#include "LoadButtons.h"

#include <QPainterPath>

#include "Fonts.h"
#include "Gloss.h"
#include "Palette.h"
#include "ToolIcons.h"

namespace art {

void DrawLoadButton(QPainter& p, const QRectF& b, int number, Look look) {
  p.save();
  Smooth(p);
  const double drop = look == Look::Pressed ? 1.5 : 0;
  const QRectF plate(b.left() + 6, b.top() + 8 + drop, b.width() - 12, b.height() - 17);
  const QPainterPath rim = RoundRect(plate, 18);
  const QPainterPath glass = RoundRect(plate.adjusted(2.5, 2.5, -2.5, -2.5), 15.5);
  QColor base = number == 1 ? kRoyal : QColor(30, 130, 170);
  double gold = 1.05, shine = 0.9;
  switch (look) {
    case Look::Quiet:
      base = Mix(base, QColor(40, 30, 90), 0.5);
      gold = 0.65;
      shine = 0.45;
      break;
    case Look::Pressed:
      base = base.darker(130);
      Glow(p, rim, QColor(255, 200, 90), 4);
      break;
    default:
      base = base.lighter(115);
      Glow(p, rim, kCyan, 5);
      break;
  }
  Shadow(p, rim, look == Look::Pressed ? 1 : 2.5, 3);
  GoldFill(p, rim.subtracted(glass), gold);
  GlossFill(p, glass, base, shine);
  p.setOpacity(look == Look::Quiet ? 0.75 : 1.0);
  DrawToolIcon(p, QRectF(plate.left() + 8, plate.top() + 11, 38, 38), Tool::Picture);
  const QRectF text(plate.left() + 46, plate.top() + 6, plate.width() - 50, plate.height() - 12);
  const QColor ink = look == Look::Quiet ? QColor(215, 210, 240) : Qt::white;
  DrawCaption(p, "Load", ArtFont(Face::SansBold, 17), text.adjusted(0, 0, 0, -text.height() / 2),
              ink, QColor(0, 0, 40));
  DrawCaption(p, QString("picture %1").arg(number), ArtFont(Face::SansCondensedBold, 13),
              text.adjusted(0, text.height() / 2, 0, 0), look == Look::Quiet ? ink : kGoldLight,
              QColor(0, 0, 40));
  p.restore();
}

}  // namespace art
