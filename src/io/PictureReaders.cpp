#include "PictureReaders.h"

#include <array>
#include <cctype>

#include "EpsReader.h"
#include "MagickReader.h"
#include "base/Error.h"
#include "base/PictureRefusal.h"
#include "core/GemImage.h"
#include "core/GreyAlphaTga.h"
#include "core/MacPaint.h"
#include "skin/core/PsdReader.h"

namespace quillo {

namespace {

struct MagickCoder {
  std::string_view extension;
  const char* coder;
};

// Each format's coder is named: TGA, PICT and others have no reliable magic
// number, and a named coder keeps ImageMagick from choosing one by the bytes.
constexpr std::array<MagickCoder, 16> kMagickCoders = {{{"pcx", "PCX"},
                                                        {"gif", "GIF"},
                                                        {"tga", "TGA"},
                                                        {"png", "PNG"},
                                                        {"psd", "PSD"},
                                                        {"tif", "TIFF"},
                                                        {"jpg", "JPEG"},
                                                        {"pct", "PICT"},
                                                        {"webp", "WEBP"},
                                                        {"heic", "HEIC"},
                                                        {"heif", "HEIC"},
                                                        {"avif", "AVIF"},
                                                        {"jp2", "JP2"},
                                                        {"jpeg", "JPEG"},
                                                        {"jpe", "JPEG"},
                                                        {"tiff", "TIFF"}}};

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

}  // namespace

Bitmap DecodeByPictureReader(std::span<const std::uint8_t> bytes, std::string_view extension,
                             const std::string& name) {
  if (extension == "png" && IsOversizedPng(bytes))
    throw Error(PictureRefusal(name, kPictureTooLarge));
  if (extension == "psd" && !PsdDataCouldHoldPicture(bytes))
    throw Error(PictureRefusal(name, "the file is far too short for the size it claims"));
  if (extension == "tga" && IsGreyAlphaTga(bytes)) {
    // ImageMagick reads these as 15-bit colour.
    try {
      return DecodeGreyAlphaTga(bytes);
    } catch (const Error& e) {
      throw Error(PictureRefusal(name, AsClause(e.what())));
    }
  }
  for (const MagickCoder& c : kMagickCoders)
    if (c.extension == extension) return ReadWithMagick(bytes, c.coder, name);
  if (extension == "eps") return ReadEps(bytes, name);
  if (extension == "mac") {
    // ImageMagick's MacPaint reader assumes a MacBinary header and ignores a
    // file cut short, so ours reads these.
    try {
      return DecodeMacPaint(bytes);
    } catch (const Error&) {
      throw Error(PictureRefusal(name, kDamagedPicture));
    }
  }
  if (extension == "cmp")
    throw Error(
        "LEAD CMP pictures (.cmp) are not supported: no library on this system reads that "
        "format.");
  if (extension == "img") {
    try {
      return DecodeGemImg(bytes);
    } catch (const Error& e) {
      throw Error(PictureRefusal(name, AsClause(e.what())));
    }
  }
  throw Error("Unknown picture file extension (." + std::string(extension) + ")");
}

}  // namespace quillo
