#include "ScreenHandlers.h"

#include <QPainter>
#include <QWidget>

#include "skin/BitmapImage.h"

namespace quillo {

TPaintBitmap PaintStretched(const Bitmap& bitmap) {
  return [&bitmap](QWidget* sender, QPainter& canvas) {
    if (bitmap.Empty()) return;
    canvas.setRenderHint(QPainter::SmoothPixmapTransform);
    canvas.drawImage(sender->rect(), WrapImage(bitmap));
  };
}

}  // namespace quillo
