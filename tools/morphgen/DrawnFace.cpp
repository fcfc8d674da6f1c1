#include "DrawnFace.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "effects/core/MorphModel.h"
#include "skin/BitmapImage.h"

namespace morphgen {

namespace {

const QColor kSkin(238, 196, 164);
const QColor kHair(104, 62, 34);
const QColor kInk(60, 34, 28);

void DrawBackground(QPainter& p) {
  QLinearGradient sky(0, 0, 0, quillo::kMorphSize);
  sky.setColorAt(0, QColor(176, 214, 240));
  sky.setColorAt(1, QColor(96, 150, 204));
  p.fillRect(QRectF(0, 0, quillo::kMorphSize, quillo::kMorphSize), sky);
}

void DrawHairBehind(QPainter& p) {
  QPainterPath hair;
  hair.moveTo(18, 96);
  hair.cubicTo(6, 30, 40, 2, 72, 4);
  hair.cubicTo(104, 2, 138, 30, 126, 96);
  hair.lineTo(18, 96);
  p.setPen(Qt::NoPen);
  p.setBrush(kHair);
  p.drawPath(hair);
}

void DrawNeckAndShirt(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kSkin.darker(112));
  p.drawRect(QRectF(56, 118, 32, 22));
  QPainterPath shirt;
  shirt.moveTo(10, 145);
  shirt.cubicTo(20, 132, 44, 128, 56, 130);
  shirt.lineTo(72, 142);
  shirt.lineTo(88, 130);
  shirt.cubicTo(100, 128, 124, 132, 134, 145);
  shirt.closeSubpath();
  p.setBrush(QColor(200, 60, 54));
  p.drawPath(shirt);
}

void DrawHead(QPainter& p) {
  QRadialGradient skin(QPointF(62, 62), 70);
  skin.setColorAt(0, kSkin.lighter(110));
  skin.setColorAt(0.75, kSkin);
  skin.setColorAt(1, kSkin.darker(125));
  p.setPen(QPen(kSkin.darker(160), 1.2));
  p.setBrush(skin);
  p.drawEllipse(QPointF(23, 80), 6, 10);  // ears
  p.drawEllipse(QPointF(121, 80), 6, 10);
  p.drawEllipse(QPointF(72, 76), 48, 58);

  QPainterPath fringe;  // hair over the forehead
  fringe.moveTo(24, 62);
  fringe.cubicTo(22, 20, 60, 8, 88, 16);
  fringe.cubicTo(112, 22, 124, 40, 120, 62);
  fringe.cubicTo(104, 40, 84, 30, 60, 34);
  fringe.cubicTo(44, 36, 32, 46, 24, 62);
  p.setPen(Qt::NoPen);
  p.setBrush(kHair);
  p.drawPath(fringe);
}

void DrawEye(QPainter& p, QPointF centre) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(Qt::white);
  p.drawEllipse(centre, 11, 6.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 120, 90));
  p.drawEllipse(centre, 5, 5);
  p.setBrush(QColor(20, 16, 16));
  p.drawEllipse(centre, 2.4, 2.4);
  p.setBrush(Qt::white);
  p.drawEllipse(centre + QPointF(-1.6, -1.6), 1.1, 1.1);
}

void DrawFeatures(QPainter& p) {
  DrawEye(p, QPointF(50, 62));
  DrawEye(p, QPointF(94, 62));

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kHair.darker(130), 3, Qt::SolidLine, Qt::RoundCap));
  QPainterPath brows;
  brows.moveTo(37, 51);
  brows.quadTo(50, 44, 63, 49);
  brows.moveTo(81, 49);
  brows.quadTo(94, 44, 107, 51);
  p.drawPath(brows);

  p.setPen(QPen(kSkin.darker(150), 1.6, Qt::SolidLine, Qt::RoundCap));
  QPainterPath nose;
  nose.moveTo(73, 64);
  nose.quadTo(70, 80, 72, 88);
  nose.moveTo(64, 88);
  nose.quadTo(72, 94, 80, 88);
  p.drawPath(nose);

  QPainterPath mouth;
  mouth.moveTo(54, 104);
  mouth.quadTo(72, 109, 90, 104);
  mouth.quadTo(72, 122, 54, 104);
  p.setPen(QPen(QColor(150, 50, 56), 1.2));
  p.setBrush(QColor(200, 84, 90));
  p.drawPath(mouth);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 120, 120, 60));
  p.drawEllipse(QPointF(40, 88), 9, 6);
  p.drawEllipse(QPointF(104, 88), 9, 6);
}

}  // namespace

quillo::Bitmap DrawnFace() {
  QImage image(quillo::kMorphSize, quillo::kMorphSize, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawBackground(p);
  DrawHairBehind(p);
  DrawNeckAndShirt(p);
  DrawHead(p);
  DrawFeatures(p);
  p.end();
  return quillo::ToBitmap(image);
}

}  // namespace morphgen
