#include "PictureWriter.h"

#include <QBuffer>
#include <QImageWriter>
#include <algorithm>
#include <cctype>

#include "base/Error.h"
#include "base/FileBytes.h"
#include "core/BmpCodec.h"
#include "skin/BitmapImage.h"

namespace quillo {

namespace {

constexpr int kJpegQuality = 92;

}  // namespace

PictureKind PictureKindOf(const std::string& path) {
  std::string name = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (name.ends_with(".png")) return PictureKind::kPng;
  if (name.ends_with(".jpg") || name.ends_with(".jpeg")) return PictureKind::kJpeg;
  return PictureKind::kBmp;
}

std::vector<std::uint8_t> EncodePicture(const Bitmap& bitmap, PictureKind kind) {
  if (kind == PictureKind::kBmp) return EncodeBmp(bitmap, 24);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, kind == PictureKind::kPng ? "png" : "jpeg");
  if (kind == PictureKind::kJpeg) writer.setQuality(kJpegQuality);
  // RGB32 without alpha: a PNG of three channels, like the screen's picture.
  if (!writer.write(ToImage(bitmap).convertToFormat(QImage::Format_RGB888)))
    throw Error("Cannot encode the picture: " + writer.errorString().toStdString());
  const QByteArray& bytes = buffer.data();
  return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
          reinterpret_cast<const std::uint8_t*>(bytes.constData()) + bytes.size()};
}

void SavePictureFile(const std::string& path, const Bitmap& bitmap, PictureKind kind) {
  WriteFileAtomically(path, EncodePicture(bitmap, kind));
}

}  // namespace quillo
