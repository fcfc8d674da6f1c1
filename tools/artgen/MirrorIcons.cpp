#include "MirrorIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "Gloss.h"
#include "Palette.h"
#include "Warp.h"
#include "common/Faces.h"
#include "common/Layers.h"

namespace art {

namespace {

// A face on a light grid, the picture the mirrors bend.
QImage GridFace(int w, int h, bool chosen) {
  QImage image = quillo::NewCanvas(w, h, chosen ? QColor(255, 250, 225) : QColor(226, 232, 255));
  QPainter p(&image);
  Smooth(p);
  p.setPen(QPen(chosen ? QColor(230, 170, 60) : QColor(150, 160, 220), 1));
  for (int x = 2; x < w; x += 6) p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, h));
  for (int y = 2; y < h; y += 6) p.drawLine(QPointF(0, y + 0.5), QPointF(w, y + 0.5));
  const double side = std::min(w, h) * 0.62;
  DrawFace(p, QRectF((w - side) / 2, (h - side) / 2, side, side), {kSkin, QColor(150, 70, 30)});
  return image;
}

// The mirror's displacement in the tile's own scale, exaggerated to read at
// icon size.
Fetch MirrorFetch(int kind, double w, double h) {
  const double cx = w / 2, cy = h / 2, size = std::max(w, h) * 1.15;
  const double b = 1.7;
  auto rowFactor = [=](double y) {
    return ((y - cy) * (y - cy) - size * size / 4) / (size * size) * b;
  };
  auto colFactor = [=](double x) {
    return ((x - cx) * (x - cx) - size * size / 4) / (size * size) * b;
  };
  switch (kind) {
    case 1:
      return [=](double x, double y) { return QPointF(x + (x - cx) * rowFactor(y), y); };
    case 2:
      return [=](double x, double y) { return QPointF(x, y + (y - cy) * colFactor(x)); };
    case 3:
      return [=](double x, double y) {
        const double scale = 320.0 / size;
        const double d2 = ((cx - x) * (cx - x) + (cy - y) * (cy - y)) * scale * scale;
        const double k = 0.75 / (0.0001 * d2 + 1);
        return QPointF(x + (cx - x) * k, y + (cy - y) * k);
      };
    default:
      return [=](double x, double y) {
        return QPointF(x + (cx - x) * rowFactor(y) * 0.8, y + (cy - y) * colFactor(x) * 0.8);
      };
  }
}

}  // namespace

QImage PaintMirrorIcon(const quillo::MirrorIcon& icon, int kind, bool chosen,
                       const QImage& panelPatch) {
  QImage cell = panelPatch.convertToFormat(QImage::Format_RGB32);
  QPainter p(&cell);
  Smooth(p);
  // The widest icon leaves room on its left for the knob's groove.
  const double inset = icon.width > 60 ? 7 : 1;
  const QRectF tile(inset, 1.5, icon.width - inset - 1.5, icon.height - 3);
  const QPainterPath frame = RoundRect(tile, 7);
  const QPainterPath glass = RoundRect(tile.adjusted(2, 2, -2, -2), 5);
  if (chosen) Glow(p, frame, QColor(255, 200, 60), 2);
  p.setPen(Qt::NoPen);
  p.setBrush(chosen ? QColor(120, 60, 0) : QColor(70, 50, 140));
  p.drawPath(Inflate(frame, 0.8));
  if (chosen)
    GoldFill(p, frame, 1.1);
  else
    GlossFill(p, frame, QColor(150, 130, 220), 0.6);

  const QRectF inner = glass.boundingRect();
  const int iw = static_cast<int>(inner.width()), ih = static_cast<int>(inner.height());
  const QImage bent = Warp(GridFace(iw, ih, chosen), MirrorFetch(kind, iw, ih));
  p.save();
  p.setClipPath(glass);
  p.fillPath(glass, chosen ? QColor(255, 255, 255) : QColor(236, 240, 255));
  p.drawImage(inner.topLeft(), bent);
  QLinearGradient shine(inner.topLeft(), inner.bottomLeft());
  shine.setColorAt(0, QColor(255, 255, 255, chosen ? 150 : 110));
  shine.setColorAt(0.5, QColor(255, 255, 255, 0));
  p.fillRect(inner, shine);
  if (!chosen) p.fillRect(inner, QColor(120, 110, 200, 50));
  p.restore();
  return cell;
}

}  // namespace art
