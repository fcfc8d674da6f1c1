// The Photoshop reader on arbitrary bytes. Beyond not crashing: a refusal
// leaves the bitmap as it was; an accepted picture has the header's size and
// a fourth byte of 0 when the file has fewer than four channels; and the file
// cut halfway through what follows its header gives every pixel byte either
// what the whole file gives it or 0, since the reader fills each byte at most
// once, in file order.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "base/Bitmap.h"
#include "base/Error.h"
#include "skin/core/PsdReader.h"

namespace {

std::uint32_t Be(const std::uint8_t* p, int count) {
  std::uint32_t v = 0;
  for (int i = 0; i < count; ++i) v = v << 8 | p[i];
  return v;
}

// Acceptable pictures beyond this many pixels are skipped when the input
// could hold them: the reader fills them like small ones, and allocating
// hundreds of megabytes each time would only slow the fuzzer down. Larger
// sizes are still tried when they lie beyond the limits the reader refuses.
constexpr std::int64_t kMaxFuzzPixels = 1 << 16;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillo;
  const std::span<const std::uint8_t> bytes(data, size);
  std::uint32_t width = 0, height = 0, channels = 0;
  if (size >= 26) {
    channels = Be(data + 12, 2);
    height = Be(data + 14, 4);
    width = Be(data + 18, 4);
    // An input under 1/64 of the pixels is too short for them at PackBits'
    // best and is refused before anything is allocated, so it is tried.
    if (IsAcceptableSize(width, height)) {
      const std::int64_t pixels = std::int64_t{width} * height;
      if (pixels > kMaxFuzzPixels && static_cast<std::int64_t>(size) * 64 >= pixels) return 0;
    }
  }

  const Bitmap before(2, 1, 0xA5A5A5A5u);
  Bitmap bitmap = before;
  try {
    LoadPSD(bitmap, bytes);
  } catch (const Error&) {
    if (bitmap != before) std::abort();
    return 0;
  }
  if (bitmap.Width() != static_cast<int>(width) || bitmap.Height() != static_cast<int>(height))
    std::abort();
  if (channels < 4)
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x)
        if (Fourth(bitmap.At(x, y)) != 0) std::abort();

  Bitmap cut;
  LoadPSD(cut, bytes.first(26 + (size - 26) / 2));
  if (cut.Width() != bitmap.Width() || cut.Height() != bitmap.Height()) std::abort();
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      for (int shift = 0; shift < 32; shift += 8) {
        const Pixel part = cut.At(x, y) >> shift & 0xFF;
        if (part != 0 && part != (bitmap.At(x, y) >> shift & 0xFF)) std::abort();
      }
  return 0;
}
