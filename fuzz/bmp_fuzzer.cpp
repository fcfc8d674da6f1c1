// The BMP reader on arbitrary bytes. Beyond not crashing: an accepted picture
// lies within the bytes and reads the same from the bytes its extent covers
// (pictures are chained in other files that way), and it survives being
// written and read back, at 32 bits whole and at 24 bits in its colours.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "base/Bitmap.h"
#include "base/Error.h"
#include "io/core/BmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillo;
  const std::span<const std::uint8_t> bytes(data, size);
  BmpPicture picture;
  try {
    picture = DecodeBmp(bytes);
  } catch (const Error&) {
    return 0;
  }
  const Bitmap& bitmap = picture.bitmap;
  const int bits = picture.bitsPerPixel;
  if (!LooksLikeBmp(bytes) || picture.extent > size || bitmap.Empty() ||
      !IsAcceptableSize(bitmap.Width(), bitmap.Height()))
    std::abort();
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) std::abort();
  if (DecodeBmp(bytes.first(picture.extent)).bitmap != bitmap) std::abort();

  const BmpPicture whole = DecodeBmp(EncodeBmp(bitmap, 32, picture.extraHeader));
  if (whole.bitmap != bitmap || whole.extraHeader != picture.extraHeader) std::abort();
  const Bitmap colours = DecodeBmp(EncodeBmp(bitmap, 24)).bitmap;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (colours.At(x, y) != ColourBits(bitmap.At(x, y))) std::abort();
  return 0;
}
