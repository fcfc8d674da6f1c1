#include "DialogButtons.h"

#include <QPainter>
#include <QPainterPath>

#include "Fonts.h"
#include "Gloss.h"
#include "Palette.h"
#include "ToolIcons.h"
#include "base/Error.h"
#include "common/Layers.h"

namespace art {

namespace {

struct DialogButton {
  std::string_view control;
  const char* caption;
  Tool icon;
  QColor glass;
};

const DialogButton kButtons[] = {
    {"bFile", "File", Tool::Open, QColor(50, 90, 220)},
    {"bClipboard", "Clipboard", Tool::Clipboard, QColor(30, 140, 150)},
    // The camera's capture and the save dialog's video share one cell.
    {"bCamera", "Video", Tool::Camera, QColor(110, 60, 200)},
    {"bAVI", "Video", Tool::Camera, QColor(110, 60, 200)},
    {"bTWAIN", "Scanner", Tool::Scanner, QColor(30, 140, 100)},
    {"bPrint", "Print", Tool::Printer, QColor(50, 90, 220)},
    {"bCancel", "Cancel", Tool::Cancel, QColor(190, 30, 70)},
    {"bClipart", "Clip-art", Tool::Clipart, QColor(200, 110, 20)},
    {"bMail", "Mail", Tool::Mail, QColor(110, 60, 200)},
};

const DialogButton* Find(std::string_view control) {
  for (const DialogButton& b : kButtons)
    if (b.control == control) return &b;
  return nullptr;
}

}  // namespace

bool IsDialogButton(std::string_view control) {
  return Find(control) != nullptr;
}

quillo::Bitmap PaintDialogButton(std::string_view control) {
  const DialogButton* button = Find(control);
  if (button == nullptr) throw quillo::Error("No dialog button " + std::string(control));
  QImage layer = quillo::NewLayer(98, 66);
  QPainter p(&layer);
  Smooth(p);
  const QPainterPath shape = RoundRect(QRectF(2, 2, 94, 62), 18);
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawPath(shape);
  GoldFill(p, Deflate(shape, 1.5));
  GlossFill(p, Deflate(shape, 4), button->glass, 0.8);
  DrawToolIcon(p, QRectF(34, 7, 30, 30), button->icon);
  DrawCaption(p, button->caption, ArtFont(Face::SansBold, 13), QRectF(6, 38, 86, 18), Qt::white,
              QColor(0, 0, 40));
  p.end();
  return quillo::KeyOut(layer, quillo::ColorRefToPixel(quillo::kAqua), kOutline);
}

}  // namespace art
