#include "Tabs.h"

#include <QPainter>
#include <QPainterPath>

#include "Fonts.h"
#include "Gloss.h"
#include "Looks.h"
#include "Palette.h"
#include "ToolIcons.h"
#include "common/Layers.h"

namespace art {

namespace {

const quillo::Pixel kAquaPixel = quillo::ColorRefToPixel(quillo::kAqua);

QColor TabGlass(TabKind kind, Look look) {
  QColor base = kind == TabKind::Load   ? QColor(60, 90, 220)
                : kind == TabKind::Save ? QColor(30, 140, 120)
                                        : QColor(120, 60, 200);
  if (look == Look::Hover) return base.lighter(130);
  if (look == Look::Pressed) return base.darker(135);
  return base;
}

// The tab as it should appear: a body with rounded top corners running off
// the bottom (and, for Load and Save, off the window's side), an icon and its
// caption.
QImage PaintTab(TabKind kind, Look look, int width, int height) {
  QImage layer = quillo::NewLayer(width, height);
  QPainter p(&layer);
  Smooth(p);
  QRectF body;
  switch (kind) {
    case TabKind::Load:
      body = QRectF(-20, 2, 84, 80);
      break;
    case TabKind::Save:
      body = QRectF(2, 2, 84, 80);
      break;
    case TabKind::Help:
      body = QRectF(2, 2, width - 4, 60);
      break;
  }
  const QPainterPath shape = RoundRect(body, 17);
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawPath(shape);
  GoldFill(p, Deflate(shape, 1.5), look == Look::Hover ? 1.12 : 1.0);
  GlossFill(p, Deflate(shape, 4.5), TabGlass(kind, look), look == Look::Pressed ? 0.5 : 0.9);
  const double drop = look == Look::Pressed ? 1 : 0;
  const QColor ink = Qt::white, shadow(0, 0, 40);
  if (kind == TabKind::Help) {
    DrawToolIcon(p, QRectF(34, 6 + drop, 22, 22), Tool::Question);
    DrawCaption(p, "Help", ArtFont(Face::SansBold, 16), QRectF(58, 5 + drop, 50, 24), ink, shadow);
  } else {
    // Load shows from x 5 and Save up to x 61: the window edge hides the rest.
    const double cx = kind == TabKind::Load ? 35 : 30.5;
    DrawToolIcon(p, QRectF(cx - 14, 6 + drop, 28, 26),
                 kind == TabKind::Load ? Tool::Open : Tool::Disk);
    DrawCaption(p, kind == TabKind::Load ? "Load" : "Save", ArtFont(Face::SansBold, 13),
                QRectF(cx - 28, 32 + drop, 56, 15), ink, shadow);
  }
  if (look == Look::Hover) Sparkle(p, QPointF(body.right() - 14, 9), 6, Qt::white);
  return layer;
}

// The 66 x 66 cell that shows the 66 x 60 picture when drawn squeezed: the
// picture stretched to the cell's height, opaque exactly where the picture
// is opaque on the same (unsqueezed) row.
quillo::Bitmap Squeezed(const QImage& tab, int cellHeight) {
  const QImage shown = tab.convertToFormat(QImage::Format_ARGB32);
  const QImage stretched =
      tab.scaled(tab.width(), cellHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .convertToFormat(QImage::Format_ARGB32);
  QImage layer = quillo::NewLayer(tab.width(), cellHeight).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < cellHeight; ++y) {
    const auto* shapeRow =
        reinterpret_cast<const QRgb*>(shown.constScanLine(std::min(y, shown.height() - 1)));
    const auto* artRow = reinterpret_cast<const QRgb*>(stretched.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(layer.scanLine(y));
    for (int x = 0; x < tab.width(); ++x)
      out[x] = qAlpha(shapeRow[x]) >= 128
                   ? qRgba(qRed(artRow[x]), qGreen(artRow[x]), qBlue(artRow[x]), 255)
                   : 0;
  }
  return quillo::KeyOut(layer, kAquaPixel, kOutline);
}

}  // namespace

std::vector<quillo::Bitmap> PaintTabCells(TabKind kind) {
  std::vector<quillo::Bitmap> cells;
  for (Look look : {Look::Lit, Look::Hover, Look::Pressed}) {
    if (kind == TabKind::Help) {
      cells.push_back(quillo::KeyOut(PaintTab(kind, look, 138, 37), kAquaPixel, kOutline));
    } else {
      cells.push_back(Squeezed(PaintTab(kind, look, 66, 60), 66));
    }
  }
  return cells;
}

}  // namespace art
