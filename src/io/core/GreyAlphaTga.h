#pragma once
// Reading TGA pictures of grey with alpha: image type 3 (uncompressed) or 11
// (run-length coded) at 16 bits a pixel, a grey byte then an alpha byte,
// which ImageMagick 6 reads as 15-bit colour. The grey becomes the pixel's
// red, green and blue; the alpha is dropped, as for every other picture. The
// descriptor's origin bits say from which corner the rows and columns run.
// Damage and data that ends early throw quillo::Error with a sentence for the
// user; the size is checked against the data before anything is allocated.
#include <cstdint>
#include <span>

#include "base/Bitmap.h"

namespace quillo {

// True when the header is that of a grey TGA picture with 16 bits a pixel.
bool IsGreyAlphaTga(std::span<const std::uint8_t> bytes);

Bitmap DecodeGreyAlphaTga(std::span<const std::uint8_t> bytes);

}  // namespace quillo
