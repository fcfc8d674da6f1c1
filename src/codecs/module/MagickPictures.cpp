// Decoding pictures with ImageMagick (Magick++), the coder named by the
// caller, within the project's picture limits.
#include <Magick++.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <mutex>
#include <optional>
#include <span>
#include <string_view>

#include "CodecFunctions.h"
#include "base/Error.h"
#include "base/PictureRefusal.h"

namespace quillo::codecs {

namespace {

void Quiet(const MagickCore::ExceptionType, const char*, const char*) {}

// Starts ImageMagick once, with its complaints kept off standard error and
// its limits lowered to the project's (a system policy may lower them more).
void StartMagick() {
  static std::once_flag once;
  std::call_once(once, [] {
    Magick::InitializeMagick(nullptr);
    MagickCore::SetClientName("quillo");
    MagickCore::SetWarningHandler(Quiet);
    MagickCore::SetErrorHandler(Quiet);
    Magick::ResourceLimits::width(kMaxPictureSide);
    Magick::ResourceLimits::height(kMaxPictureSide);
    Magick::ResourceLimits::area(kMaxPicturePixels);
    Magick::ResourceLimits::memory(4 * kMaxPicturePixels * sizeof(MagickCore::PixelPacket));
  });
}

// One of the plain reasons for what the library said: it ran out of its
// limits (the picture is too large), found no picture of the format at the
// start, met a variant it has no code for, or (anything else) damage.
std::string_view ReasonFor(const Magick::Exception& e) {
  const auto says = [&e](std::initializer_list<std::string_view> signs) {
    for (const Magick::Exception* p = &e; p; p = p->nested())
      for (const std::string_view sign : signs)
        if (std::string_view(p->what()).find(sign) != std::string_view::npos) return true;
    return false;
  };
  for (const Magick::Exception* p = &e; p; p = p->nested())
    if (dynamic_cast<const Magick::ErrorResourceLimit*>(p) ||
        dynamic_cast<const Magick::WarningResourceLimit*>(p))
      return kPictureTooLarge;
  if (says({"memory allocation failed", "exceeds limit", "too large"})) return kPictureTooLarge;
  if (says({"improper image header", "not a ", "no decode delegate", "corrupt header",
            "ImproperImageHeader"}))
    return kNotAPicture;
  if (dynamic_cast<const Magick::ErrorMissingDelegate*>(&e) ||
      says({"not supported", "unsupported", "Unsupported", "not implemented"}))
    return kUnreadableVariant;
  return kDamagedPicture;
}

[[noreturn]] void Refuse(const std::string& name, std::string_view reason) {
  throw Error(PictureRefusal(name, reason));
}

// libjpeg's warnings that scan data is missing or garbled; its other
// warnings (stray bytes before a marker, a short Adobe segment) come with a
// completely decoded picture, which viewers show.
bool IsMissingJpegData(std::string_view text) {
  for (const std::string_view sign : {"remature end", "bad Huffman code", "bad arithmetic code",
                                      "instead of RST", "Inconsistent progression"})
    if (text.find(sign) != std::string_view::npos) return true;
  return false;
}

// A warning that the picture came out damaged (a file cut short, say)
// refuses it; other warnings (an unknown TIFF tag) leave a good picture.
bool IsDamage(const Magick::Exception& e, bool jpeg) {
  for (const Magick::Exception* p = &e; p; p = p->nested())
    if (dynamic_cast<const Magick::WarningCorruptImage*>(p) &&
        (!jpeg || IsMissingJpegData(p->what())))
      return true;
  return false;
}

// Reads (or only pings) the bytes into the image, or throws.
void Decode(Magick::Image& image, const Magick::Blob& blob, bool ping, const std::string& name) {
  std::string_view warning = kDamagedPicture;
  try {
    if (ping)
      image.ping(blob);
    else
      image.read(blob);
  } catch (const Magick::Error& e) {
    Refuse(name, ReasonFor(e));
  } catch (const Magick::Warning& e) {
    if (IsDamage(e, image.magick() == "JPEG")) Refuse(name, ReasonFor(e));
    // Magick++'s own warning when the coder gave nothing says less than ours.
    if (!std::string_view(e.what()).ends_with("No image was loaded.")) warning = ReasonFor(e);
  }
  if (image.columns() == 0 || image.rows() == 0) Refuse(name, warning);
  if (!IsAcceptableSize(image.columns(), image.rows())) Refuse(name, kPictureTooLarge);
}

// A one-valued SHORT or LONG entry of the first directory of a TIFF
// structure (a TIFF file, or Exif data).
std::optional<std::uint32_t> FirstDirectoryValue(std::span<const std::uint8_t> tiff,
                                                 std::uint32_t tag) {
  if (tiff.size() < 8) return std::nullopt;
  const bool little = tiff[0] == 'I' && tiff[1] == 'I';
  if (!little && !(tiff[0] == 'M' && tiff[1] == 'M')) return std::nullopt;
  const auto u16 = [&](std::size_t at) {
    return std::uint32_t(little ? tiff[at] | tiff[at + 1] << 8 : tiff[at] << 8 | tiff[at + 1]);
  };
  const auto u32 = [&](std::size_t at) {
    return little ? u16(at) | u16(at + 2) << 16 : u16(at) << 16 | u16(at + 2);
  };
  constexpr std::uint32_t kShort = 3, kLong = 4;
  const std::size_t ifd = u32(4);
  if (u16(2) != 42 || ifd > tiff.size() - 2) return std::nullopt;
  const std::size_t count = u16(ifd);
  for (std::size_t i = 0, entry = ifd + 2; i < count && entry + 12 <= tiff.size(); ++i, entry += 12)
    if (u16(entry) == tag && u32(entry + 4) == 1) {
      if (u16(entry + 2) == kShort) return u16(entry + 8);
      if (u16(entry + 2) == kLong) return u32(entry + 8);
    }
  return std::nullopt;
}

// The orientation (1 to 8, as Exif numbers them and ImageMagick's
// OrientationType too) in Exif data; 0 when it has none.
int ExifOrientation(std::span<const std::uint8_t> tiff) {
  constexpr std::uint32_t kOrientation = 0x0112;
  const std::uint32_t value = FirstDirectoryValue(tiff, kOrientation).value_or(0);
  return value <= 8 ? static_cast<int>(value) : 0;
}

// The Exif orientation of a WebP file's EXIF chunk, which ImageMagick 6 does
// not read either; 0 when there is none. Some writers keep the "Exif\0\0"
// of a JPEG segment before the TIFF data.
int WebpExifOrientation(std::span<const std::uint8_t> bytes) {
  constexpr std::size_t kRiffHeader = 12, kChunkHeader = 8;
  if (bytes.size() < kRiffHeader ||
      std::string_view(reinterpret_cast<const char*>(bytes.data()) + 8, 4) != "WEBP")
    return 0;
  // A chunk of odd length is followed by a padding byte, which a damaged file
  // may leave out: its next chunk would start past the end.
  for (std::size_t at = kRiffHeader; bytes.size() >= at + kChunkHeader;) {
    const std::uint8_t* chunk = bytes.data() + at;
    const std::size_t length =
        std::size_t{chunk[4]} | chunk[5] << 8 | chunk[6] << 16 | std::size_t{chunk[7]} << 24;
    if (length > bytes.size() - at - kChunkHeader) return 0;
    std::span<const std::uint8_t> data = bytes.subspan(at + kChunkHeader, length);
    if (std::string_view(reinterpret_cast<const char*>(chunk), 4) == "EXIF") {
      if (data.size() >= 6 && std::string_view(reinterpret_cast<const char*>(data.data()), 6) ==
                                  std::string_view("Exif\0\0", 6))
        data = data.subspan(6);
      return ExifOrientation(data);
    }
    at += kChunkHeader + length + (length & 1);
  }
  return 0;
}

// ImageMagick shows a grey TIFF of 2 or 4 bits whose 0 is white
// (MinIsWhite) as its negative; 1 and 8 bits it reads right.
bool IsNegatedMinIsWhiteTiff(std::span<const std::uint8_t> bytes) {
  constexpr std::uint32_t kBitsPerSample = 258, kPhotometric = 262, kSamplesPerPixel = 277;
  const auto bits = FirstDirectoryValue(bytes, kBitsPerSample);
  return (bits == 2u || bits == 4u) &&
         FirstDirectoryValue(bytes, kSamplesPerPixel).value_or(1) == 1 &&
         FirstDirectoryValue(bytes, kPhotometric) == 0u;
}

// The Exif orientation of a PNG file's eXIf chunk, which ImageMagick 6 does
// not read; 0 when there is none.
int PngExifOrientation(std::span<const std::uint8_t> bytes) {
  constexpr std::size_t kSignature = 8, kChunkFrame = 12;
  for (std::size_t at = kSignature; bytes.size() >= at + kChunkFrame;) {
    const std::uint8_t* chunk = bytes.data() + at;
    const std::size_t length =
        std::size_t{chunk[0]} << 24 | chunk[1] << 16 | chunk[2] << 8 | chunk[3];
    if (length > bytes.size() - at - kChunkFrame) return 0;
    const std::string_view type(reinterpret_cast<const char*>(chunk + 4), 4);
    if (type == "eXIf") return ExifOrientation(bytes.subspan(at + 8, length));
    if (type == "IEND") return 0;
    at += kChunkFrame + length;
  }
  return 0;
}

// A GIF's first frame stands on the GIF's logical screen, where its offsets
// place it, as browsers show it; the rest of the screen is white. A screen too
// small for the frame grows to hold it, so that no pixel of it is lost.
void PlaceOnScreen(Magick::Image& image, const std::string& name) {
  const Magick::Geometry page = image.page();
  const std::int64_t x = std::max<std::int64_t>(page.xOff(), 0);
  const std::int64_t y = std::max<std::int64_t>(page.yOff(), 0);
  const std::int64_t columns = static_cast<std::int64_t>(image.columns());
  const std::int64_t rows = static_cast<std::int64_t>(image.rows());
  const std::int64_t width =
      std::max<std::int64_t>(static_cast<std::int64_t>(page.width()), x + columns);
  const std::int64_t height =
      std::max<std::int64_t>(static_cast<std::int64_t>(page.height()), y + rows);
  if (width == columns && height == rows) return;
  if (!IsAcceptableSize(width, height)) Refuse(name, kPictureTooLarge);
  Magick::Image screen(
      Magick::Geometry(static_cast<std::size_t>(width), static_cast<std::size_t>(height)),
      Magick::Color("white"));
  screen.composite(image, x, y, MagickCore::CopyCompositeOp);
  image = screen;
}

// ImageMagick shows a one-bit PCX picture with 1 black and 0 white whatever
// its header's palette says. The palette's first two colours are the
// picture's, as netpbm and the painting programs read them; a palette that
// tells them no apart (all zero, as many writers leave it) means 0 black.
void ColourMonochromePcx(std::span<const std::uint8_t> bytes, Bitmap& picture) {
  constexpr std::size_t kHeader = 128, kPalette = 16, kBitsPerPixel = 3, kPlanes = 65;
  if (bytes.size() < kHeader || bytes[kBitsPerPixel] != 1 || bytes[kPlanes] != 1) return;
  const std::uint8_t* entry = bytes.data() + kPalette;
  Pixel zero = MakePixel(entry[0], entry[1], entry[2]);
  Pixel one = MakePixel(entry[3], entry[4], entry[5]);
  if (zero == one) zero = MakePixel(0, 0, 0), one = MakePixel(255, 255, 255);
  for (int y = 0; y < picture.Height(); ++y)
    for (Pixel* p = picture.Row(y); p != picture.Row(y) + picture.Width(); ++p)
      *p = *p == MakePixel(0, 0, 0) ? one : zero;
}

}  // namespace

bool MagickCanRead(const std::string& coder) {
  StartMagick();
  try {
    return Magick::CoderInfo(coder).isReadable();
  } catch (const Magick::Exception&) {
    return false;
  }
}

Bitmap ReadWithMagick(std::span<const std::uint8_t> bytes, const std::string& coder,
                      const std::string& name) {
  StartMagick();
  const Magick::Blob blob(bytes.data(), bytes.size());
  Magick::Image image;
  image.quiet(false);  // warnings are thrown, so that damage can be told apart
  image.magick(coder);
  image.subRange(1);  // the first frame only
  Decode(image, blob, true, name);
  Decode(image, blob, false, name);

  try {
    // The rows as a viewer shows them: a TGA's origin, a TIFF's Orientation
    // tag and a camera's Exif orientation (in a JPEG, a PNG or a WebP file;
    // libheif turns HEIF pictures itself) turn or mirror the stored rows.
    if (image.orientation() == MagickCore::UndefinedOrientation)
      if (const int exif = coder == "PNG"    ? PngExifOrientation(bytes)
                           : coder == "WEBP" ? WebpExifOrientation(bytes)
                                             : 0;
          exif != 0)
        image.orientation(static_cast<MagickCore::OrientationType>(exif));
    const MagickCore::OrientationType orientation = image.orientation();
    if (orientation != MagickCore::UndefinedOrientation &&
        orientation != MagickCore::TopLeftOrientation)
      image.autoOrient();
    if (coder == "GIF") PlaceOnScreen(image, name);
    // CMYK pictures and the like become RGB. An old-style JPEG TIFF (its
    // compression 6) is marked YCbCr, but libtiff has already turned its
    // pixels into RGB: converting them again would make them green and magenta.
    constexpr std::uint32_t kCompression = 259, kOldJpeg = 6;
    const MagickCore::ColorspaceType space = image.colorSpace();
    const bool rgbMarkedYcbcr = space == MagickCore::YCbCrColorspace && coder == "TIFF" &&
                                FirstDirectoryValue(bytes, kCompression) == kOldJpeg;
    if (space != MagickCore::sRGBColorspace && space != MagickCore::GRAYColorspace &&
        space != MagickCore::RGBColorspace && !rgbMarkedYcbcr)
      image.colorSpace(MagickCore::sRGBColorspace);
    Bitmap picture(static_cast<int>(image.columns()), static_cast<int>(image.rows()));
    image.write(0, 0, image.columns(), image.rows(), "BGRP", Magick::CharPixel, picture.Data());
    if (coder == "PCX") ColourMonochromePcx(bytes, picture);
    if (coder == "TIFF" && IsNegatedMinIsWhiteTiff(bytes))
      for (int y = 0; y < picture.Height(); ++y)
        for (Pixel* p = picture.Row(y); p != picture.Row(y) + picture.Width(); ++p)
          *p = MakePixel(255 - Red(*p), 255 - Green(*p), 255 - Blue(*p));
    return picture;
  } catch (const Magick::Exception& e) {
    Refuse(name, ReasonFor(e));
  }
}

}  // namespace quillo::codecs
