#include "PictureFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "base/Error.h"
#include "base/FileBytes.h"
#include "core/BmpCodec.h"
#include "skin/BitmapImage.h"

namespace quillo {

Bitmap DecodePicture(std::span<const std::uint8_t> bytes, const std::string& name) {
  std::string bmpError;
  if (LooksLikeBmp(bytes)) {
    try {
      return DecodeBmp(bytes).bitmap;
    } catch (const Error& e) {
      bmpError = e.what();  // perhaps a compressed BMP the toolkit can read
    }
  }
  const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                  static_cast<qsizetype>(bytes.size()));
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  if (!reader.canRead()) {
    if (!bmpError.empty()) throw Error(bmpError + ": " + name);
    throw Error("Unknown picture format: " + name);
  }
  const QSize size = reader.size();
  if (size.isValid() && !IsAcceptableSize(size.width(), size.height()))
    throw Error("Picture too large: " + name);
  const QImage image = reader.read();
  if (image.isNull()) throw Error("Picture file is not valid: " + name);
  if (!IsAcceptableSize(image.width(), image.height())) throw Error("Picture too large: " + name);
  return ToBitmap(image);
}

Bitmap LoadPictureFile(const std::string& path) {
  return DecodePicture(ReadFileBytes(path), path);
}

}  // namespace quillo
