#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "base/Error.h"
#include "skin/BitmapImage.h"

namespace quillo {

bool QtClipboard::HasPicture() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasImage();
}

std::optional<Bitmap> QtClipboard::Picture() const {
  if (!HasPicture()) return std::nullopt;
  const QImage image = QGuiApplication::clipboard()->image();
  if (image.isNull()) return std::nullopt;
  if (!IsAcceptableSize(image.width(), image.height()))
    throw Error("The picture on the clipboard is too large");
  return ToBitmap(image);
}

void QtClipboard::SetPicture(const Bitmap& picture) {
  QGuiApplication::clipboard()->setImage(ToImage(picture).convertToFormat(QImage::Format_RGB888));
}

std::unique_ptr<Clipboard> LoadClipboard(bool forceUnavailable) {
  if (forceUnavailable) return std::make_unique<UnavailableClipboard>(kServiceTurnedOff);
  return std::make_unique<QtClipboard>();
}

}  // namespace quillo
