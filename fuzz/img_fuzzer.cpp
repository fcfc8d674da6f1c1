// The GEM IMG reader on arbitrary bytes. Beyond not crashing: a refusal is a
// quillo::Error; an accepted picture has the header's size and a fourth byte
// of 0 everywhere, a monochrome one without a palette only black and white;
// and the input without its last byte reads the same or is refused, never
// read differently.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

#include "base/Bitmap.h"
#include "base/Error.h"
#include "io/core/GemImage.h"

namespace {

std::uint32_t Be16(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) << 8 | p[1];
}

// Acceptable pictures beyond this many pixels are skipped when the input
// could describe them (a few bytes of replicated solid runs can), since
// allocating hundreds of megabytes each time would only slow the fuzzer down.
// Shorter inputs are tried: the reader must refuse them from their data
// before it allocates anything. So are sizes beyond the reader's limits.
constexpr std::int64_t kMaxFuzzPixels = 1 << 16;

// The fewest data bytes that describe a picture: a record shows a scan line
// at most 255 times, and no run makes more than 255 bytes of a line from one
// byte of data.
std::int64_t LeastData(std::int64_t width, std::int64_t height, std::int64_t planes) {
  const std::int64_t lineBytes = (width + 7) / 8 * std::max<std::int64_t>(planes, 1);
  return (height + 254) / 255 * ((lineBytes + 254) / 255);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillo;
  const std::span<const std::uint8_t> bytes(data, size);
  if (size >= 16) {
    const std::int64_t width = Be16(data + 12), height = Be16(data + 14);
    const std::int64_t dataBytes = static_cast<std::int64_t>(size) - 2 * Be16(data + 2);
    if (IsAcceptableSize(width, height) && width * height > kMaxFuzzPixels &&
        dataBytes >= LeastData(width, height, Be16(data + 4)))
      return 0;
  }

  Bitmap bitmap;
  try {
    bitmap = DecodeGemImg(bytes);
  } catch (const Error&) {
    return 0;
  }
  if (!LooksLikeGemImg(bytes) || bitmap.Width() != static_cast<int>(Be16(data + 12)) ||
      bitmap.Height() != static_cast<int>(Be16(data + 14)))
    std::abort();
  const bool plainMono =
      Be16(data + 4) == 1 && !(Be16(data + 2) >= 11 && data[16] == 'X' && data[17] == 'I' &&
                               data[18] == 'M' && data[19] == 'G');
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const Pixel p = bitmap.At(x, y);
      if (Fourth(p) != 0) std::abort();
      if (plainMono && p != MakePixel(0, 0, 0) && p != MakePixel(255, 255, 255)) std::abort();
    }

  std::optional<Bitmap> shorter;
  try {
    shorter = DecodeGemImg(bytes.first(size - 1));
  } catch (const Error&) {
  }
  if (shorter && *shorter != bitmap) std::abort();
  return 0;
}
