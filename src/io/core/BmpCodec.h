#pragma once
// Reading and writing BMP files. The reader takes a byte span, checks every
// size against the bytes present before it allocates, and reports damage as
// "Bitmap image is not valid".
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/Bitmap.h"

namespace quillo {

inline constexpr const char* kInvalidBitmap = "Bitmap image is not valid";

struct BmpPicture {
  Bitmap bitmap;
  int bitsPerPixel = 0;
  // Bytes 38 to 53 of the file: resolutions and colour counts, kept so that a
  // picture can be written back with them.
  std::array<std::uint8_t, 16> extraHeader{};
  // Bytes the picture occupies when it is followed by more data: headers,
  // colour table and the pixel data the header declares.
  std::size_t extent = 0;
};

// Decodes uncompressed BMP files of 1, 4, 8, 16, 24 and 32 bits per pixel
// (also with bit-field masks), bottom-up or top-down. 24-bit pictures get a
// fourth byte of 0; 32-bit pictures keep theirs.
BmpPicture DecodeBmp(std::span<const std::uint8_t> bytes);

// True when the bytes begin like a BMP file.
bool LooksLikeBmp(std::span<const std::uint8_t> bytes);

// A complete BMP file of 24 or 32 bits per pixel, bottom row first, with a
// 40-byte information header.
std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap, int bitsPerPixel,
                                    const std::array<std::uint8_t, 16>& extraHeader = {});

}  // namespace quillo
