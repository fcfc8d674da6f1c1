// Decoding pictures with ImageMagick (Magick++), the coder named by the
// caller, within the project's picture limits.
#include <Magick++.h>

#include <mutex>
#include <string_view>

#include "CodecFunctions.h"
#include "base/Error.h"

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

// The library's reason without its program name, file name and source place:
// "quillo: unexpected end-of-file `' @ error/pcx.c/..." -> "unexpected end-of-file".
std::string ReasonOf(const Magick::Exception& e) {
  std::string text = e.what();
  const std::string client = "quillo: ";
  if (text.starts_with(client)) text.erase(0, client.size());
  for (const char* tail : {" `", " @ "})
    if (const std::size_t at = text.find(tail); at != std::string::npos) text.erase(at);
  while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
  return text.empty() ? "the picture data is damaged or incomplete" : text;
}

[[noreturn]] void Refuse(const std::string& name, const std::string& reason) {
  throw Error("Cannot read picture " + name + ": " + reason + ".");
}

// A warning that the picture came out damaged (a JPEG file cut short, say)
// refuses it; other warnings (an unknown TIFF tag) leave a good picture.
bool IsDamage(const Magick::Exception& e) {
  for (const Magick::Exception* p = &e; p; p = p->nested())
    if (dynamic_cast<const Magick::WarningCorruptImage*>(p)) return true;
  return false;
}

// Reads (or only pings) the bytes into the image, or throws.
void Decode(Magick::Image& image, const Magick::Blob& blob, bool ping, const std::string& name) {
  std::string warning = "the picture data is damaged or incomplete";
  try {
    if (ping)
      image.ping(blob);
    else
      image.read(blob);
  } catch (const Magick::Error& e) {
    Refuse(name, ReasonOf(e));
  } catch (const Magick::Warning& e) {
    if (IsDamage(e)) Refuse(name, ReasonOf(e));
    // Magick++'s own warning when the coder gave nothing says less than ours.
    if (!std::string_view(e.what()).ends_with("No image was loaded.")) warning = ReasonOf(e);
  }
  if (image.columns() == 0 || image.rows() == 0) Refuse(name, warning);
  if (!IsAcceptableSize(image.columns(), image.rows())) throw Error("Picture too large: " + name);
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
    const MagickCore::ColorspaceType space = image.colorSpace();
    if (space != MagickCore::sRGBColorspace && space != MagickCore::GRAYColorspace &&
        space != MagickCore::RGBColorspace)
      image.colorSpace(MagickCore::sRGBColorspace);  // CMYK pictures
    Bitmap picture(static_cast<int>(image.columns()), static_cast<int>(image.rows()));
    image.write(0, 0, image.columns(), image.rows(), "BGRP", Magick::CharPixel, picture.Data());
    return picture;
  } catch (const Magick::Exception& e) {
    Refuse(name, ReasonOf(e));
  }
}

}  // namespace quillo::codecs
