#include "PictureWriter.h"

#include <QFile>
#include <QImageWriter>
#include <cerrno>

#include "base/Error.h"
#include "core/BmpCodec.h"
#include "core/PictureFormats.h"
#include "skin/BitmapImage.h"

namespace quillo {

namespace {

constexpr int kJpegQuality = 92;

}  // namespace

PictureKind PictureKindOf(const std::string& path) {
  const std::string extension = LowerExtensionOf(path);
  if (extension == "png") return PictureKind::kPng;
  if (extension == "jpg" || extension == "jpeg") return PictureKind::kJpeg;
  return PictureKind::kBmp;
}

void WritePicture(AtomicFile& file, const Bitmap& bitmap, PictureKind kind) {
  if (kind == PictureKind::kBmp) return file.Write(EncodeBmp(bitmap, 24));
  // Straight onto the file's descriptor, row by row from the bitmap's own
  // memory: an RGB32 image is written without its fourth byte.
  QFile out;
  if (!out.open(file.Descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
    file.Fail(EBADF);
  QImageWriter writer(&out, kind == PictureKind::kPng ? "png" : "jpeg");
  if (kind == PictureKind::kJpeg) writer.setQuality(kJpegQuality);
  const bool written = writer.write(WrapImage(bitmap));
  const bool flushed = out.flush();
  if (!written) {
    // A file system's refusal says more than the encoder's.
    if (writer.error() == QImageWriter::DeviceError || !flushed) file.Fail(errno ? errno : EIO);
    throw Error("Cannot encode the picture: " + writer.errorString().toStdString());
  }
  if (!flushed) file.Fail(errno ? errno : EIO);
}

void SavePictureFile(const std::string& path, const Bitmap& bitmap, PictureKind kind) {
  AtomicFile file(path);
  WritePicture(file, bitmap, kind);
  file.Commit();
}

}  // namespace quillo
