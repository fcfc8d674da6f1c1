#include "ModeIcons.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Gloss.h"
#include "Palette.h"
#include "Warp.h"
#include "common/Faces.h"
#include "common/Layers.h"

namespace art {

namespace {

const FaceLook kPeach{kSkin, QColor(150, 70, 30)};
const FaceLook kLilac{QColor(190, 200, 255), QColor(90, 40, 150)};

// A face with its cheek and mouth dragged to the lower right like wet paint.
void SmearedFace(QPainter& painter, const QRectF& s) {
  const int side = static_cast<int>(s.width());
  QImage face = quillo::NewLayer(side, side);
  {
    QPainter p(&face);
    Smooth(p);
    DrawFace(p, QRectF(side * 0.06, side * 0.06, side * 0.8, side * 0.8), kPeach);
  }
  const double cx = side * 0.62, cy = side * 0.64, spread = side * 0.17;
  const double dx = side * 0.20, dy = side * 0.10;
  const QImage smeared = Warp(face, [=](double x, double y) {
    const double g = std::exp(-((x - cx - dx) * (x - cx - dx) + (y - cy - dy) * (y - cy - dy)) /
                              (2 * spread * spread));
    return QPointF(x - dx * g * 1.1, y - dy * g * 1.1);
  });
  // Streaks of the drag.
  painter.save();
  painter.setPen(QPen(QColor(255, 255, 255, 150), side * 0.035, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) {
    const double y = s.top() + side * (0.70 + 0.08 * i);
    painter.drawLine(QPointF(s.left() + side * (0.80 + 0.02 * i), y),
                     QPointF(s.left() + side * (0.97 - 0.04 * i), y + side * 0.05));
  }
  painter.restore();
  painter.drawImage(s.topLeft(), smeared);
}

// Two faces sliding into one another; the overlap is a mix of both.
void MergingFaces(QPainter& painter, const QRectF& s) {
  const double side = s.width();
  const QRectF left(s.left(), s.top() + side * 0.16, side * 0.62, side * 0.62);
  const QRectF right(s.left() + side * 0.38, s.top() + side * 0.16, side * 0.62, side * 0.62);
  DrawFace(painter, left, kPeach);
  painter.save();
  painter.setOpacity(0.62);
  DrawFace(painter, right, kLilac);
  painter.restore();
  Sparkle(painter, QPointF(s.left() + side * 0.5, s.top() + side * 0.14), side * 0.12,
          QColor(255, 240, 160));
  // Arrows pointing at each other under the faces.
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kGoldLight);
  for (int dir : {1, -1}) {
    const double tip = s.left() + side * (0.5 - 0.06 * dir);
    const double base = s.left() + side * (0.5 - 0.26 * dir);
    const double y = s.top() + side * 0.88;
    QPainterPath arrow;
    arrow.moveTo(tip, y);
    arrow.lineTo(base + dir * side * 0.06, y - side * 0.07);
    arrow.lineTo(base + dir * side * 0.06, y - side * 0.03);
    arrow.lineTo(base, y - side * 0.03);
    arrow.lineTo(base, y + side * 0.03);
    arrow.lineTo(base + dir * side * 0.06, y + side * 0.03);
    arrow.lineTo(base + dir * side * 0.06, y + side * 0.07);
    arrow.closeSubpath();
    painter.drawPath(arrow);
  }
  painter.restore();
}

// A gold hand mirror whose glass shows a stretched face.
void HandMirror(QPainter& painter, const QRectF& s) {
  const double side = s.width();
  painter.save();
  painter.translate(s.topLeft());
  // A straight handle below an upright oval frame, like a vanity mirror.
  QPainterPath handle;
  handle.moveTo(side * 0.44, side * 0.70);
  handle.lineTo(side * 0.40, side * 0.97);
  handle.quadTo(side * 0.5, side * 1.02, side * 0.60, side * 0.97);
  handle.lineTo(side * 0.56, side * 0.70);
  handle.closeSubpath();
  GoldFill(painter, handle);
  const QRectF frame(side * 0.16, side * 0.0, side * 0.68, side * 0.76);
  QPainterPath ring;
  ring.addEllipse(frame);
  GoldFill(painter, ring);
  // Beads around the frame.
  painter.setPen(Qt::NoPen);
  painter.setBrush(kGoldLight);
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    painter.drawEllipse(QPointF(frame.center().x() + std::cos(a) * frame.width() * 0.455,
                                frame.center().y() + std::sin(a) * frame.height() * 0.455),
                        side * 0.018, side * 0.018);
  }
  const QRectF glass = frame.adjusted(side * 0.06, side * 0.06, -side * 0.06, -side * 0.06);
  QPainterPath glassPath;
  glassPath.addEllipse(glass);
  QLinearGradient silver(glass.topLeft(), glass.bottomRight());
  silver.setColorAt(0.0, QColor(230, 250, 255));
  silver.setColorAt(0.5, QColor(120, 190, 240));
  silver.setColorAt(1.0, QColor(40, 90, 170));
  painter.setPen(Qt::NoPen);
  painter.setBrush(silver);
  painter.drawPath(glassPath);
  painter.setClipPath(glassPath);
  // The face, widened as in a fun-house mirror.
  DrawFace(painter,
           QRectF(glass.left() - side * 0.06, glass.top() + side * 0.12,
                  glass.width() + side * 0.12, glass.height() * 0.74),
           kPeach);
  painter.setBrush(QColor(255, 255, 255, 120));
  QPainterPath streak;
  streak.moveTo(glass.left(), glass.top() + glass.height() * 0.35);
  streak.lineTo(glass.left() + glass.width() * 0.45, glass.top());
  streak.lineTo(glass.left() + glass.width() * 0.62, glass.top());
  streak.lineTo(glass.left(), glass.top() + glass.height() * 0.55);
  streak.closeSubpath();
  painter.drawPath(streak);
  painter.restore();
}

// A paint brush with a fresh stroke of paint beside it.
void PaintBrush(QPainter& painter, const QRectF& s) {
  const double side = s.width();
  painter.save();
  painter.translate(s.topLeft());
  // The stroke it has just painted.
  QPainterPath stroke;
  stroke.moveTo(side * 0.04, side * 0.86);
  stroke.cubicTo(side * 0.18, side * 0.62, side * 0.30, side * 0.96, side * 0.46, side * 0.72);
  QLinearGradient paint(QPointF(0, 0), QPointF(side, 0));
  paint.setColorAt(0.0, QColor(255, 80, 170));
  paint.setColorAt(0.5, QColor(255, 170, 60));
  paint.setColorAt(1.0, QColor(120, 230, 255));
  painter.setPen(QPen(QBrush(paint), side * 0.11, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(stroke);
  painter.setPen(QPen(QColor(255, 255, 255, 130), side * 0.025, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(stroke.translated(-side * 0.01, -side * 0.025));

  painter.translate(side * 0.58, side * 0.50);
  painter.rotate(45);
  const double len = side * 0.95;
  // Handle.
  QPainterPath handle;
  handle.addRoundedRect(QRectF(-side * 0.07, -len * 0.62, side * 0.14, len * 0.5), side * 0.07,
                        side * 0.07);
  QLinearGradient wood(QPointF(-side * 0.07, 0), QPointF(side * 0.07, 0));
  wood.setColorAt(0.0, QColor(120, 40, 170));
  wood.setColorAt(0.4, QColor(200, 140, 255));
  wood.setColorAt(1.0, QColor(70, 20, 110));
  painter.setPen(QPen(QColor(40, 10, 60), 1));
  painter.setBrush(wood);
  painter.drawPath(handle);
  // Ferrule.
  QPainterPath ferrule;
  ferrule.addRect(QRectF(-side * 0.085, -len * 0.14, side * 0.17, len * 0.16));
  GoldFill(painter, ferrule);
  // Bristles dipped in paint.
  QPainterPath hair;
  hair.moveTo(-side * 0.085, len * 0.02);
  hair.cubicTo(-side * 0.10, len * 0.18, -side * 0.02, len * 0.30, 0, len * 0.36);
  hair.cubicTo(side * 0.02, len * 0.30, side * 0.10, len * 0.18, side * 0.085, len * 0.02);
  hair.closeSubpath();
  QLinearGradient tip(QPointF(0, len * 0.02), QPointF(0, len * 0.36));
  tip.setColorAt(0.0, QColor(240, 220, 170));
  tip.setColorAt(0.45, QColor(255, 80, 170));
  tip.setColorAt(1.0, QColor(200, 20, 120));
  painter.setBrush(tip);
  painter.setPen(QPen(QColor(90, 10, 60), 1));
  painter.drawPath(hair);
  painter.restore();
}

}  // namespace

void DrawModeIcon(QPainter& painter, const QRectF& square, Mode mode) {
  switch (mode) {
    case Mode::Warping:
      SmearedFace(painter, square);
      break;
    case Mode::Morphing:
      MergingFaces(painter, square);
      break;
    case Mode::Mirrors:
      HandMirror(painter, square);
      break;
    case Mode::Blending:
      PaintBrush(painter, square);
      break;
  }
}

}  // namespace art
