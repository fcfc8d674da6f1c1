#include "PictureFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <string_view>

#include "MagickReader.h"
#include "PictureReaders.h"
#include "SilencedStandardError.h"
#include "base/ByteCursor.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "base/PictureRefusal.h"
#include "core/BmpCodec.h"
#include "core/PictureFormats.h"
#include "skin/BitmapImage.h"

namespace quillo {

namespace {

// The extension of a file name as written, without the dot; empty when the
// last path component has none.
std::string_view ExtensionOf(std::string_view name) {
  const std::size_t slash = name.find_last_of("/\\");
  const std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
  const std::size_t dot = file.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : file.substr(dot + 1);
}

// The toolkit's reader of one format, without guessing others from content.
Bitmap ReadWithToolkit(std::span<const std::uint8_t> bytes, const char* format,
                       const std::string& name) {
  const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                  static_cast<qsizetype>(bytes.size()));
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  reader.setAutoDetectImageFormat(false);
  if (!reader.canRead()) throw Error(PictureRefusal(name, kNotAPicture));
  const QSize size = reader.size();
  if (size.isValid() && !IsAcceptableSize(size.width(), size.height()))
    throw Error(PictureRefusal(name, kPictureTooLarge));
  const QImage image = reader.read();
  if (image.isNull()) throw Error(PictureRefusal(name, kDamagedPicture));
  if (!IsAcceptableSize(image.width(), image.height()))
    throw Error(PictureRefusal(name, kPictureTooLarge));
  return ToBitmap(image);
}

// True for bitmaps compressed by run lengths, which our reader does not take.
bool IsRunLengthBmp(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 34 || !LooksLikeBmp(bytes) || LoadU32(bytes.data() + 14) < 40) return false;
  const std::uint32_t compression = LoadU32(bytes.data() + 30);
  return compression == 1 || compression == 2;
}

// Our BMP reader; run-length compressed bitmaps go to the toolkit's. Every
// other bitmap ours refuses stays refused: the toolkit would show a file cut
// short as a picture with a missing part.
Bitmap ReadBmp(std::span<const std::uint8_t> bytes, const std::string& name) {
  if (IsRunLengthBmp(bytes)) return ReadWithToolkit(bytes, "bmp", name);
  try {
    return DecodeBmp(bytes).bitmap;
  } catch (const Error&) {
    throw Error(PictureRefusal(name, LooksLikeBmp(bytes) ? kDamagedPicture : kNotAPicture));
  }
}

// Metafiles are drawn by ImageMagick where it has a delegate for them.
Bitmap ReadMetafile(std::span<const std::uint8_t> bytes, const std::string& coder,
                    const std::string& refusal, const std::string& name) {
  if (!MagickCanRead(coder)) throw Error(refusal);
  const SilencedStandardError quiet;  // the metafile library prints its complaints
  return ReadWithMagick(bytes, coder, name);
}

// The registered format of the name's extension; throws for any other.
const PictureFormat& FormatOf(const std::string& name) {
  const std::string_view extension = ExtensionOf(name);
  const PictureFormat* format = FindPictureFormat(extension);
  if (!format) {
    const std::string written = extension.empty() ? "" : "." + std::string(extension);
    throw Error("Unknown picture file extension (" + written + ")");
  }
  return *format;
}

}  // namespace

Bitmap LoadPictureBytes(std::span<const std::uint8_t> bytes, const std::string& name) {
  const std::string_view extension = FormatOf(name).extension;
  if (extension == "bmp") return ReadBmp(bytes, name);
  if (extension == "ico") return ReadWithToolkit(bytes, "ico", name);
  if (extension == "wmf")
    return ReadMetafile(bytes, "WMF", "Windows metafiles (.wmf) cannot be read on this system.",
                        name);
  if (extension == "emf")
    return ReadMetafile(bytes, "EMF",
                        "Enhanced Windows metafiles (.emf) cannot be read on this system.", name);
  return DecodeByPictureReader(bytes, extension, name);
}

Bitmap LoadPictureFile(const std::string& path) {
  FormatOf(path);  // an unknown extension is refused before the file is read
  return LoadPictureBytes(ReadFileBytes(path), path);
}

}  // namespace quillo
