#include "PictureReaders.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <cctype>

#include "EpsReader.h"
#include "MagickReader.h"
#include "SilencedStandardError.h"
#include "base/ByteCursor.h"
#include "base/Error.h"
#include "base/PictureRefusal.h"
#include "core/BmpCodec.h"
#include "core/GemImage.h"
#include "core/GreyAlphaTga.h"
#include "core/MacPaint.h"
#include "skin/BitmapImage.h"
#include "skin/core/PsdReader.h"

namespace quillo {

namespace {

// A PNG file's size from its header. ImageMagick's PNG reader refuses an
// oversized picture without saying why, so such a picture is refused here.
bool IsOversizedPng(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 24 || bytes[12] != 'I' || bytes[13] != 'H' || bytes[14] != 'D' ||
      bytes[15] != 'R')
    return false;
  const auto bigEndian = [&bytes](std::size_t at) {
    return std::int64_t{bytes[at]} << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
  };
  return !IsAcceptableSize(bigEndian(16), bigEndian(20));
}

// A sentence as the second half of another: "The picture is damaged." ->
// "the picture is damaged."
std::string AsClause(std::string sentence) {
  if (!sentence.empty())
    sentence[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(sentence[0])));
  if (!sentence.ends_with('.')) sentence += '.';
  return sentence;
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
Bitmap ReadMetafile(std::span<const std::uint8_t> bytes, const PictureFormat& format,
                    const std::string& name) {
  const std::string coder(format.coder);
  if (!MagickCanRead(coder))
    throw Error(std::string(format.extension == "wmf" ? "Windows metafiles"
                                                      : "Enhanced Windows metafiles") +
                " (." + std::string(format.extension) + ") cannot be read on this system.");
  const SilencedStandardError quiet;  // the metafile library prints its complaints
  return ReadWithMagick(bytes, coder, name);
}

// ImageMagick, after the checks of the formats it reads wrongly or would
// allocate a bomb for.
Bitmap ReadByMagick(std::span<const std::uint8_t> bytes, const std::string& coder,
                    const std::string& name) {
  if (coder == "PNG" && IsOversizedPng(bytes)) throw Error(PictureRefusal(name, kPictureTooLarge));
  if (coder == "PSD" && !PsdDataCouldHoldPicture(bytes))
    throw Error(PictureRefusal(name, "the file is far too short for the size it claims"));
  if (coder == "TGA" && IsGreyAlphaTga(bytes)) {
    // ImageMagick reads these as 15-bit colour.
    try {
      return DecodeGreyAlphaTga(bytes);
    } catch (const Error& e) {
      throw Error(PictureRefusal(name, AsClause(e.what())));
    }
  }
  return ReadWithMagick(bytes, coder, name);
}

}  // namespace

Bitmap DecodeByPictureReader(std::span<const std::uint8_t> bytes, const PictureFormat& format,
                             const std::string& name) {
  const std::string coder(format.coder);
  switch (format.reader) {
    case PictureReader::Bitmap:
      return ReadBmp(bytes, name);
    case PictureReader::Toolkit:
      return ReadWithToolkit(bytes, coder.c_str(), name);
    case PictureReader::Metafile:
      return ReadMetafile(bytes, format, name);
    case PictureReader::Magick:
      return ReadByMagick(bytes, coder, name);
    case PictureReader::Eps:
      return ReadEps(bytes, name);
    case PictureReader::MacPaint:
      // ImageMagick's MacPaint reader assumes a MacBinary header and ignores
      // a file cut short, so ours reads these.
      try {
        return DecodeMacPaint(bytes);
      } catch (const Error&) {
        throw Error(PictureRefusal(name, kDamagedPicture));
      }
    case PictureReader::GemImg:
      try {
        return DecodeGemImg(bytes);
      } catch (const Error& e) {
        throw Error(PictureRefusal(name, AsClause(e.what())));
      }
    case PictureReader::None:
      break;
  }
  // LEAD's own CMP pictures are the registered format without a reader.
  throw Error(
      "LEAD CMP pictures (.cmp) are not supported: no library on this system reads that "
      "format.");
}

}  // namespace quillo
