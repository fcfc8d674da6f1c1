#pragma once
// The scanned picture as a packed device-independent bitmap (a 40-byte
// header, the colour table and the rows bottom up, each padded to four
// bytes), built from the samples a SANE device delivers, and read back into
// a Bitmap.
#include <cstdint>
#include <span>
#include <vector>

#include "base/Bitmap.h"

namespace quillo {

// The samples of one scanned image, frames already combined.
struct ScanSamples {
  bool colour = false;  // red, green, blue per pixel; otherwise grey
  int depth = 8;        // bits per sample: 1, 8 or 16 (16-bit samples in machine order)
  int width = 0;
  int height = 0;
  int bytesPerLine = 0;
  int dotsPerInch = 0;              // 0 when unknown
  std::vector<std::uint8_t> bytes;  // height rows of bytesPerLine, top row first
};

// The packed bitmap: 1 bit per pixel (white, black) for line art, 8 bits with
// a grey colour table for grey, 24 bits for colour. Throws quillo::Error when
// the samples do not fill the picture or the picture is too large.
std::vector<std::uint8_t> PackedDib(const ScanSamples& samples);

// The picture of a packed bitmap. Throws quillo::Error when it is damaged.
Bitmap DibToBitmap(std::span<const std::uint8_t> dib);

}  // namespace quillo
