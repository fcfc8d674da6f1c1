#include "HomePicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "Fonts.h"
#include "Gloss.h"
#include "MirrorFrame.h"
#include "Palette.h"
#include "Warp.h"
#include "skin/BitmapImage.h"
#include "skin/QtRect.h"
#include "skin/core/SmoothDraw.h"
#include "skin/core/WindowPlaces.h"

namespace art {

namespace {

// The face bulged around the nose, and its hair swept sideways.
QImage FunHouseFace(const quillo::Bitmap& face) {
  quillo::Bitmap scaled(320, 320);
  quillo::SmoothDraw(scaled, quillo::RectOfSize(0, 0, 320, 320),
                     face.Copy(quillo::RectOfSize(8, 10, 240, 240)));
  const QImage photo = quillo::ToImage(scaled);
  const double cx = 160, cy = 130;
  return Warp(photo, [=](double x, double y) {
    const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
    const double k = 0.55 / (0.00025 * d2 + 1);
    const double wave = 7 * std::sin(y / 17.0) * std::exp(-(y - 40) * (y - 40) / 1800.0);
    return QPointF(x + (cx - x) * k + wave, y + (cy - y) * k);
  });
}

// "Quillo": bouncing gold letters with a purple outline and a gloss.
void Title(QPainter& p, const QRectF& box) {
  const QString word = "Quillo";
  const QFont font = ArtFont(Face::SansBold, 66);
  const QFontMetricsF metrics(font);
  double x = box.center().x() - metrics.horizontalAdvance(word) / 2;
  const double baseline = box.bottom() - metrics.descent();
  QPainterPath letters;
  for (int i = 0; i < word.size(); ++i) {
    const QString letter = word.mid(i, 1);
    QPainterPath glyph;
    glyph.addText(0, 0, font, letter);
    const double advance = metrics.horizontalAdvance(letter);
    QTransform t;
    t.translate(x + advance / 2, baseline - (i % 2 == 0 ? 6 : 0));
    t.rotate(i % 2 == 0 ? -7 : 6);
    t.translate(-advance / 2, 0);
    letters.addPath(t.map(glyph));
    x += advance - 1;
  }
  letters = letters.simplified();
  const QRectF r = letters.boundingRect();

  Shadow(p, letters, 4, 5, 160);
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kOutline, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(letters);
  p.setPen(QPen(kPurple, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(letters);
  QLinearGradient gold(r.topLeft(), r.bottomLeft());
  gold.setColorAt(0.0, QColor(255, 250, 200));
  gold.setColorAt(0.45, kGold);
  gold.setColorAt(0.55, QColor(235, 140, 0));
  gold.setColorAt(1.0, QColor(255, 210, 80));
  p.setPen(QPen(QColor(120, 60, 0), 1.2));
  p.setBrush(gold);
  p.drawPath(letters);
  // Gloss on the upper half of the letters.
  p.setClipPath(letters);
  QLinearGradient shine(r.topLeft(), QPointF(r.left(), r.center().y()));
  shine.setColorAt(0, QColor(255, 255, 255, 210));
  shine.setColorAt(1, QColor(255, 255, 255, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.45));
  p.restore();
  Sparkle(p, QPointF(r.left() + 8, r.top() + 10), 11, Qt::white);
  Sparkle(p, QPointF(r.right() - 6, r.top() + 4), 9, Qt::white);
  Sparkle(p, QPointF(r.center().x() + 18, r.bottom() - 2), 7, kGoldLight);
}

}  // namespace

QImage PaintHomePicture(const QImage& ground, const quillo::Bitmap& face) {
  const QRectF place = quillo::ToRectF(quillo::InArt(quillo::kHomePicture));
  QImage picture = ground.copy(place.toRect()).convertToFormat(QImage::Format_RGB32);
  QPainter p(&picture);
  Smooth(p);
  p.translate(-place.topLeft());
  const QPainterPath barrel = BarrelPath();
  const QRectF glass = barrel.boundingRect();
  p.save();
  p.setClipPath(barrel);
  p.drawImage(QPointF(glass.left(), glass.top() - 6), FunHouseFace(face));
  // Dark glass at the bottom so that the title stands out, and a reflection.
  QLinearGradient dusk(QPointF(glass.left(), glass.top() + glass.height() * 0.55),
                       glass.bottomLeft());
  dusk.setColorAt(0, QColor(10, 10, 50, 0));
  dusk.setColorAt(1, QColor(20, 0, 60, 200));
  p.fillRect(glass, dusk);
  QPainterPath streak;
  streak.moveTo(glass.left(), glass.top() + glass.height() * 0.30);
  streak.lineTo(glass.left() + glass.width() * 0.35, glass.top());
  streak.lineTo(glass.left() + glass.width() * 0.48, glass.top());
  streak.lineTo(glass.left(), glass.top() + glass.height() * 0.46);
  streak.closeSubpath();
  p.fillPath(streak, QColor(255, 255, 255, 38));
  p.restore();
  Title(p, QRectF(glass.left(), glass.bottom() - 92, glass.width(), 80));
  return picture;
}

}  // namespace art
