#include "MorphPanels.h"

#include <QPainter>
#include <QPainterPath>

#include "Gloss.h"
#include "LoadButtons.h"
#include "Palette.h"
#include "PanelStyle.h"
#include "common/Layers.h"
#include "skin/QtRect.h"
#include "skin/core/WindowPlaces.h"

namespace art {

namespace {

constexpr int kWidth = 186, kHeight = 310;

}  // namespace

QImage PaintMorphPanelBase(bool left) {
  QImage layer = quillo::NewLayer(kWidth, kHeight);
  QPainter p(&layer);
  Smooth(p);
  // The inner edge stays clear of the picture area in the middle of the window.
  const QPainterPath shape =
      left ? RoundRect(QRectF(-30, 3, 210, 304), 30) : RoundRect(QRectF(15, 3, 210, 304), 30);
  DrawPanelBody(p, shape);
  const QRectF box = quillo::ToRectF(left ? quillo::kPaintBox1 : quillo::kPaintBox2);
  const QPainterPath frame = RoundRect(box.adjusted(-6, -6, 6, 6), 8);
  Shadow(p, frame, 2, 3);
  GoldFill(p, frame);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 10, 50));
  p.drawRect(box.adjusted(-1, -1, 1, 1));
  p.setBrush(kWell);
  p.drawRect(box);
  // A row of little gems under the picture.
  for (int i = 0; i < 3; ++i) {
    QPainterPath gem;
    gem.addEllipse(QPointF(box.center().x() + (i - 1) * 22, box.bottom() + 20), 4.5, 4.5);
    GlossFill(p, gem, i == 1 ? QColor(230, 50, 140) : QColor(60, 170, 255));
  }
  return layer;
}

QImage PaintMorphPanel(bool left) {
  QImage layer = PaintMorphPanelBase(left);
  QPainter p(&layer);
  Smooth(p);
  DrawLoadButton(p, quillo::ToRectF(left ? quillo::kLoad1 : quillo::kLoad2), left ? 1 : 2,
                 Look::Quiet);
  return layer;
}

}  // namespace art
