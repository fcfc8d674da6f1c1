#include "SidePanels.h"

#include <QPainter>
#include <QPainterPath>
#include <vector>

#include "Gloss.h"
#include "Palette.h"
#include "PanelStyle.h"
#include "ThumbGeometry.h"
#include "common/Layers.h"
#include "skin/QtRect.h"
#include "skin/core/WindowPlaces.h"

namespace art {

namespace {

// A smooth curve through the knob's centres, a little beyond both ends.
QPainterPath Track(bool left, const QRectF& slider) {
  std::vector<QPointF> points;
  for (int k = 0; k < quillo::kThumbFrames; ++k)
    points.push_back(slider.topLeft() + KnobInSlider(left, k, static_cast<int>(slider.height())));
  QPainterPath path(points.front() - QPointF(0, 6));
  path.lineTo(points.front());
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const QPointF p0 = points[i == 0 ? 0 : i - 1], p1 = points[i], p2 = points[i + 1];
    const QPointF p3 = points[i + 2 < points.size() ? i + 2 : i + 1];
    path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
  }
  path.lineTo(points.back() + QPointF(0, 6));
  return path;
}

// Grip lines on the bulge that peeks into the window when the panel is parked.
void Grip(QPainter& p, double x, double top) {
  p.save();
  p.setPen(QPen(kGoldLight, 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) p.drawLine(QPointF(x + 4 * i, top), QPointF(x + 4 * i, top + 22));
  p.restore();
}

QImage Panel(int width, int height, const QPainterPath& shape, const QRectF& well, bool left,
             const QRectF& slider, double gripX, double gripTop) {
  QImage layer = quillo::NewLayer(width, height);
  QPainter p(&layer);
  Smooth(p);
  DrawPanelBody(p, shape);
  DrawWell(p, well, 14);
  DrawGroove(p, Track(left, slider));
  Grip(p, gripX, gripTop);
  Sparkle(p, QPointF(well.center().x(), well.top() - 13), 7, kGoldLight);
  return layer;
}

}  // namespace

QImage PaintLeftPanel() {
  QPainterPath shape = RoundRect(QRectF(-30, 3, 161, 304), 30);
  shape = shape.united(RoundRect(QRectF(96, 134, 46, 58), 22)).simplified();
  return Panel(143, 310, shape, QRectF(18, 30, 96, 266), true, quillo::ToRectF(quillo::kLeftSlider),
               127, 152);
}

QImage PaintRightPanel() {
  QPainterPath shape = RoundRect(QRectF(12, 3, 161, 306), 30);
  shape = shape.united(RoundRect(QRectF(1, 136, 46, 58), 22)).simplified();
  return Panel(143, 312, shape, QRectF(27, 34, 98, 266), false,
               quillo::ToRectF(quillo::kRightSlider), 7, 154);
}

}  // namespace art
