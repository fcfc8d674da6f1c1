#include "ToolIcons.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Fonts.h"
#include "Gloss.h"
#include "Palette.h"
#include "common/Faces.h"

namespace art {

namespace {

// Every icon is drawn on a 100 x 100 grid and scaled into its square.
constexpr double kGrid = 100;

QPen Line(const QColor& c, double w = 3) {
  return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient Vertical(double top, double bottom, const QColor& a, const QColor& b) {
  QLinearGradient g(QPointF(0, top), QPointF(0, bottom));
  g.setColorAt(0, a);
  g.setColorAt(1, b);
  return g;
}

void Folder(QPainter& p) {
  p.setPen(Line(QColor(120, 70, 0)));
  p.setBrush(Vertical(20, 85, QColor(255, 214, 90), QColor(220, 140, 20)));
  QPainterPath back;
  back.moveTo(8, 30);
  back.lineTo(8, 84);
  back.lineTo(88, 84);
  back.lineTo(88, 30);
  back.lineTo(44, 30);
  back.lineTo(38, 22);
  back.lineTo(12, 22);
  back.closeSubpath();
  p.drawPath(back);
  // A photo rising out of the folder.
  p.save();
  p.translate(50, 40);
  p.rotate(-8);
  p.setPen(Line(QColor(60, 60, 90), 2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(-26, -30, 52, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(-26, 6, QColor(120, 200, 255), QColor(60, 120, 220)));
  p.drawRect(QRectF(-22, -26, 44, 32));
  DrawFace(p, QRectF(-12, -22, 24, 24), {kSkin, QColor(150, 70, 30)});
  p.restore();
  p.setPen(Line(QColor(120, 70, 0)));
  p.setBrush(Vertical(45, 85, QColor(255, 230, 130), QColor(235, 160, 30)));
  QPainterPath front;
  front.moveTo(4, 48);
  front.lineTo(12, 84);
  front.lineTo(88, 84);
  front.lineTo(96, 48);
  front.closeSubpath();
  p.drawPath(front);
}

void Disk(QPainter& p) {
  QPainterPath body;
  body.moveTo(10, 10);
  body.lineTo(78, 10);
  body.lineTo(90, 22);
  body.lineTo(90, 90);
  body.lineTo(10, 90);
  body.closeSubpath();
  p.setPen(Line(QColor(10, 20, 70)));
  p.setBrush(Vertical(10, 90, QColor(90, 140, 255), QColor(30, 50, 170)));
  p.drawPath(body);
  p.setPen(Line(QColor(60, 60, 80), 2));
  p.setBrush(Vertical(10, 40, QColor(250, 250, 255), QColor(170, 180, 200)));
  p.drawRect(QRectF(26, 10, 46, 30));
  p.setBrush(QColor(40, 50, 90));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(56, 15, 10, 20));
  p.setBrush(Qt::white);
  p.setPen(Line(QColor(60, 60, 80), 2));
  p.drawRoundedRect(QRectF(20, 52, 60, 34), 4, 4);
  p.setPen(Line(QColor(150, 150, 200), 2));
  for (int y : {62, 70, 78}) p.drawLine(QPointF(28, y), QPointF(72, y));
}

void Question(QPainter& p) {
  QPainterPath ball;
  ball.addEllipse(QRectF(6, 6, 88, 88));
  GlossFill(p, ball, QColor(30, 140, 230));
  const QPainterPath mark = TextPath("?", ArtFont(Face::SansBold, 72), QRectF(0, 4, 100, 92));
  p.setPen(Line(QColor(10, 30, 80), 5));
  p.setBrush(Qt::white);
  p.drawPath(mark);
  p.setPen(Qt::NoPen);
  p.drawPath(mark);
}

void Clipboard(QPainter& p) {
  p.setPen(Line(QColor(80, 40, 10)));
  p.setBrush(Vertical(10, 95, QColor(220, 150, 80), QColor(150, 80, 30)));
  p.drawRoundedRect(QRectF(14, 12, 72, 84), 8, 8);
  p.setPen(Line(QColor(90, 90, 110), 2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(22, 24, 56, 64));
  p.setPen(Line(QColor(120, 130, 200), 3));
  for (int y : {40, 52, 64, 76}) p.drawLine(QPointF(30, y), QPointF(70 - (y == 76 ? 16 : 0), y));
  QPainterPath clip;
  clip.addRoundedRect(QRectF(34, 4, 32, 16), 5, 5);
  GoldFill(p, clip);
}

void Camera(QPainter& p) {
  p.setPen(Line(QColor(10, 10, 30)));
  p.setBrush(Vertical(28, 80, QColor(120, 120, 150), QColor(30, 30, 50)));
  p.drawRoundedRect(QRectF(6, 30, 62, 50), 8, 8);
  QPainterPath cone;
  cone.moveTo(68, 46);
  cone.lineTo(94, 32);
  cone.lineTo(94, 78);
  cone.lineTo(68, 64);
  cone.closeSubpath();
  p.setBrush(Vertical(30, 80, QColor(100, 100, 130), QColor(25, 25, 40)));
  p.drawPath(cone);
  QRadialGradient lens(QPointF(33, 52), 18);
  lens.setColorAt(0, QColor(160, 230, 255));
  lens.setColorAt(0.5, QColor(40, 90, 200));
  lens.setColorAt(1, QColor(10, 10, 40));
  p.setBrush(lens);
  p.drawEllipse(QPointF(36, 55), 15, 15);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QPointF(31, 50), 4, 4);
  p.setBrush(QColor(255, 50, 60));
  p.drawEllipse(QPointF(16, 38), 4, 4);
  // Film reels on top.
  p.setPen(Line(QColor(10, 10, 30)));
  p.setBrush(Vertical(6, 30, QColor(150, 150, 180), QColor(60, 60, 80)));
  p.drawEllipse(QPointF(22, 20), 11, 11);
  p.drawEllipse(QPointF(48, 20), 11, 11);
}

void Scanner(QPainter& p) {
  p.setPen(Line(QColor(20, 20, 40)));
  p.setBrush(Vertical(52, 88, QColor(220, 225, 240), QColor(120, 125, 150)));
  p.drawRoundedRect(QRectF(6, 52, 88, 36), 6, 6);
  // The lid, lifted.
  QPainterPath lid;
  lid.moveTo(10, 50);
  lid.lineTo(20, 16);
  lid.lineTo(90, 16);
  lid.lineTo(90, 50);
  lid.closeSubpath();
  p.setBrush(Vertical(16, 50, QColor(200, 205, 225), QColor(140, 145, 170)));
  p.drawPath(lid);
  // Light across the glass.
  p.setPen(Qt::NoPen);
  QLinearGradient beam(QPointF(0, 56), QPointF(0, 70));
  beam.setColorAt(0, QColor(120, 255, 160, 0));
  beam.setColorAt(0.5, QColor(120, 255, 160, 240));
  beam.setColorAt(1, QColor(120, 255, 160, 0));
  p.setBrush(beam);
  p.drawRect(QRectF(12, 56, 76, 14));
  p.setBrush(QColor(40, 200, 90));
  p.drawEllipse(QPointF(80, 79), 4, 4);
}

void Printer(QPainter& p) {
  p.setPen(Line(QColor(60, 60, 80), 2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(26, 6, 48, 34));
  p.setPen(Line(QColor(20, 20, 40)));
  p.setBrush(Vertical(34, 76, QColor(200, 205, 230), QColor(100, 105, 140)));
  p.drawRoundedRect(QRectF(6, 34, 88, 42), 8, 8);
  p.setPen(Line(QColor(60, 60, 80), 2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(24, 64, 52, 30));
  p.setPen(Line(QColor(255, 100, 160), 3));
  p.drawLine(QPointF(32, 74), QPointF(68, 74));
  p.setPen(Line(QColor(80, 160, 255), 3));
  p.drawLine(QPointF(32, 84), QPointF(60, 84));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 230, 110));
  p.drawEllipse(QPointF(82, 46), 4, 4);
}

void Cancel(QPainter& p) {
  QPainterPath ball;
  ball.addEllipse(QRectF(8, 8, 84, 84));
  GlossFill(p, ball, QColor(220, 30, 50));
  p.setPen(QPen(QColor(90, 0, 10), 17, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(34, 34), QPointF(66, 66));
  p.drawLine(QPointF(66, 34), QPointF(34, 66));
  p.setPen(QPen(Qt::white, 11, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(34, 34), QPointF(66, 66));
  p.drawLine(QPointF(66, 34), QPointF(34, 66));
}

QPainterPath StarPath(QPointF c, double outer, double inner, int points) {
  QPainterPath star;
  for (int i = 0; i < 2 * points; ++i) {
    const double a = -M_PI / 2 + i * M_PI / points;
    const double r = i % 2 == 0 ? outer : inner;
    const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0)
      star.moveTo(q);
    else
      star.lineTo(q);
  }
  star.closeSubpath();
  return star;
}

void Clipart(QPainter& p) {
  const QPainterPath star = StarPath(QPointF(44, 46), 40, 18, 5);
  p.setPen(Line(QColor(120, 60, 0), 3));
  p.setBrush(Vertical(6, 86, QColor(255, 245, 150), QColor(255, 150, 0)));
  p.drawPath(star);
  DrawFace(p, QRectF(30, 32, 28, 28), {QColor(255, 220, 80), QColor(0, 0, 0, 0)});
  // Scissors cutting it out.
  p.save();
  p.translate(76, 72);
  p.rotate(-30);
  p.setPen(Line(QColor(40, 40, 60), 2));
  p.setBrush(Vertical(-30, 0, QColor(240, 240, 255), QColor(150, 150, 180)));
  QPainterPath blade1;
  blade1.moveTo(0, 0);
  blade1.lineTo(-4, -30);
  blade1.lineTo(3, -2);
  p.drawPath(blade1);
  p.setBrush(QColor(230, 40, 80));
  p.drawEllipse(QPointF(-7, 10), 7, 7);
  p.drawEllipse(QPointF(7, 10), 7, 7);
  p.restore();
}

void Mail(QPainter& p) {
  p.setPen(Line(QColor(40, 40, 70)));
  p.setBrush(Vertical(20, 84, QColor(255, 255, 255), QColor(200, 210, 235)));
  p.drawRoundedRect(QRectF(6, 22, 88, 62), 6, 6);
  QPainterPath flap;
  flap.moveTo(8, 26);
  flap.lineTo(50, 58);
  flap.lineTo(92, 26);
  p.setBrush(Qt::NoBrush);
  p.drawPath(flap);
  p.setPen(Line(QColor(150, 160, 190), 2));
  p.drawLine(QPointF(10, 80), QPointF(38, 56));
  p.drawLine(QPointF(90, 80), QPointF(62, 56));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 40, 80));
  p.drawRect(QRectF(70, 30, 14, 16));
}

void Globe(QPainter& p) {
  QRadialGradient sea(QPointF(38, 34), 60);
  sea.setColorAt(0, QColor(140, 220, 255));
  sea.setColorAt(0.6, QColor(30, 110, 220));
  sea.setColorAt(1, QColor(10, 40, 120));
  p.setPen(Line(QColor(10, 30, 90)));
  p.setBrush(sea);
  p.drawEllipse(QRectF(8, 8, 84, 84));
  p.save();
  QPainterPath clip;
  clip.addEllipse(QRectF(8, 8, 84, 84));
  p.setClipPath(clip);
  p.setPen(Line(QColor(20, 120, 40), 1.5));
  p.setBrush(QColor(70, 200, 90));
  QPainterPath land;
  land.moveTo(22, 30);
  land.cubicTo(36, 14, 58, 22, 52, 38);
  land.cubicTo(46, 50, 60, 56, 54, 72);
  land.cubicTo(40, 80, 30, 62, 34, 52);
  land.cubicTo(24, 48, 14, 42, 22, 30);
  p.drawPath(land);
  QPainterPath isle;
  isle.addEllipse(QRectF(64, 54, 20, 14));
  p.drawPath(isle);
  p.setPen(Line(QColor(255, 255, 255, 110), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(30, 8, 40, 84));
  p.drawLine(QPointF(8, 50), QPointF(92, 50));
  p.drawLine(QPointF(14, 30), QPointF(86, 30));
  p.drawLine(QPointF(14, 70), QPointF(86, 70));
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 130));
  p.drawEllipse(QRectF(22, 16, 30, 16));
}

void Die(QPainter& p, const QRectF& r, int pips, const QColor& colour) {
  p.setPen(Line(colour.darker(250), 2.5));
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0, colour.lighter(150));
  g.setColorAt(1, colour.darker(130));
  p.setBrush(g);
  p.drawRoundedRect(r, r.width() * 0.2, r.width() * 0.2);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  const double u = r.width() / 4;
  auto pip = [&](double fx, double fy) {
    p.drawEllipse(QPointF(r.left() + fx * u, r.top() + fy * u), u * 0.38, u * 0.38);
  };
  if (pips % 2 == 1) pip(2, 2);
  if (pips >= 2) {
    pip(1, 1);
    pip(3, 3);
  }
  if (pips >= 4) {
    pip(3, 1);
    pip(1, 3);
  }
}

void Dice(QPainter& p) {
  p.save();
  p.translate(30, 52);
  p.rotate(-14);
  Die(p, QRectF(-24, -24, 48, 48), 5, QColor(230, 40, 90));
  p.restore();
  p.save();
  p.translate(68, 46);
  p.rotate(12);
  Die(p, QRectF(-24, -24, 48, 48), 3, QColor(70, 90, 240));
  p.restore();
}

void Heart(QPainter& p) {
  QPainterPath bubble;
  bubble.addRoundedRect(QRectF(6, 10, 88, 64), 24, 24);
  QPainterPath tail;
  tail.moveTo(24, 66);
  tail.lineTo(14, 92);
  tail.lineTo(44, 70);
  tail.closeSubpath();
  bubble = bubble.united(tail);
  p.setPen(Line(QColor(30, 30, 80), 3));
  p.setBrush(Vertical(10, 92, QColor(255, 255, 255), QColor(200, 215, 255)));
  p.drawPath(bubble);
  QPainterPath heart;
  heart.moveTo(50, 64);
  heart.cubicTo(18, 44, 28, 16, 50, 30);
  heart.cubicTo(72, 16, 82, 44, 50, 64);
  p.setPen(Line(QColor(120, 0, 30), 2));
  p.setBrush(Vertical(20, 64, QColor(255, 120, 150), QColor(210, 10, 60)));
  p.drawPath(heart);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(QPointF(40, 32), 6, 4);
}

void Bell(QPainter& p) {
  QPainterPath bell;
  bell.moveTo(50, 10);
  bell.cubicTo(24, 10, 24, 40, 22, 58);
  bell.cubicTo(21, 68, 10, 72, 10, 78);
  bell.lineTo(90, 78);
  bell.cubicTo(90, 72, 79, 68, 78, 58);
  bell.cubicTo(76, 40, 76, 10, 50, 10);
  GoldFill(p, bell);
  p.setPen(Line(QColor(110, 60, 0), 2));
  p.setBrush(Vertical(78, 94, QColor(255, 220, 110), QColor(170, 100, 0)));
  p.drawEllipse(QPointF(50, 84), 10, 9);
  p.setBrush(QColor(230, 40, 80));
  p.drawEllipse(QPointF(78, 22), 11, 11);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(QRectF(34, 18, 10, 26));
}

void Picture(QPainter& p) {
  QPainterPath frame;
  frame.addRoundedRect(QRectF(6, 10, 88, 80), 6, 6);
  GoldFill(p, frame);
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(18, 82, QColor(140, 210, 255), QColor(50, 90, 200)));
  p.drawRect(QRectF(16, 20, 68, 60));
  p.save();
  p.setClipRect(QRectF(16, 20, 68, 60));
  DrawFace(p, QRectF(28, 26, 44, 48), {kSkin, QColor(150, 70, 30)});
  p.restore();
}

}  // namespace

void DrawToolIcon(QPainter& painter, const QRectF& square, Tool tool) {
  painter.save();
  Smooth(painter);
  painter.translate(square.topLeft());
  painter.scale(square.width() / kGrid, square.height() / kGrid);
  switch (tool) {
    case Tool::Open:
      Folder(painter);
      break;
    case Tool::Disk:
      Disk(painter);
      break;
    case Tool::Question:
      Question(painter);
      break;
    case Tool::Clipboard:
      Clipboard(painter);
      break;
    case Tool::Camera:
      Camera(painter);
      break;
    case Tool::Scanner:
      Scanner(painter);
      break;
    case Tool::Printer:
      Printer(painter);
      break;
    case Tool::Cancel:
      Cancel(painter);
      break;
    case Tool::Clipart:
      Clipart(painter);
      break;
    case Tool::Mail:
      Mail(painter);
      break;
    case Tool::Globe:
      Globe(painter);
      break;
    case Tool::Dice:
      Dice(painter);
      break;
    case Tool::Heart:
      Heart(painter);
      break;
    case Tool::Bell:
      Bell(painter);
      break;
    case Tool::Picture:
      Picture(painter);
      break;
  }
  painter.restore();
}

}  // namespace art
