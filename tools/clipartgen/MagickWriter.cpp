#include "MagickWriter.h"

#include <Magick++.h>

#include <cstdint>
#include <span>

#include "base/Error.h"
#include "base/FileBytes.h"

namespace clipartgen {

void StartMagick(const char* program) {
  Magick::InitializeMagick(program);
  // Colour reduction and the coders give the same result on every run.
  Magick::ResourceLimits::thread(1);
}

void WriteWithMagick(const std::string& path, const QImage& picture, const std::string& coder) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  try {
    // Format_RGB32 lies in memory as blue, green, red and a padding byte.
    Magick::Image image(rgb.width(), rgb.height(), "BGRP", Magick::CharPixel, rgb.constBits());
    image.magick(coder);
    image.matte(false);
    image.depth(8);
    // No time stamps: PNG would carry the dates of creation and change.
    image.defineValue("png", "exclude-chunks", "date,time");
    if (coder == "JPEG") image.quality(90);
    if (coder == "TIFF") image.compressType(Magick::LZWCompression);
    if (coder == "TGA" || coder == "PCX") image.compressType(Magick::RLECompression);
    // Rows marked as running from the top, as they are written: ImageMagick
    // marks a TGA's rows as running from the bottom up but writes them top first.
    if (coder == "TGA") image.orientation(Magick::TopLeftOrientation);
    Magick::Blob blob;
    image.write(&blob);
    const auto* data = static_cast<const std::uint8_t*>(blob.data());
    quillo::WriteFileAtomically(path, std::span<const std::uint8_t>(data, blob.length()));
  } catch (const Magick::Exception& e) {
    throw quillo::Error(path + ": " + e.what());
  }
}

}  // namespace clipartgen
