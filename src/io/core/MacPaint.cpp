#include "MacPaint.h"

#include <algorithm>
#include <vector>

#include "base/Error.h"

namespace quillo {

namespace {

constexpr int kWidth = 576;
constexpr int kHeight = 720;
constexpr std::size_t kRowBytes = kWidth / 8;
constexpr std::size_t kMacBinaryHeader = 128;
constexpr std::size_t kHeader = 512;

// A MacBinary header: version 0, a file name of 1 to 63 characters, and the
// two bytes the format keeps 0.
bool HasMacBinaryHeader(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kMacBinaryHeader + kHeader && bytes[0] == 0 && bytes[1] >= 1 &&
         bytes[1] <= 63 && bytes[74] == 0 && bytes[82] == 0;
}

// MacPaint's header starts with the version: 0, 2 or 3 as a big-endian number.
bool HasMacPaintVersion(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kHeader && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 0 &&
         (bytes[3] == 0 || bytes[3] == 2 || bytes[3] == 3);
}

}  // namespace

Bitmap DecodeMacPaint(std::span<const std::uint8_t> bytes) {
  if (HasMacBinaryHeader(bytes)) bytes = bytes.subspan(kMacBinaryHeader);
  if (!HasMacPaintVersion(bytes)) throw Error(kInvalidMacPaint);

  std::vector<std::uint8_t> bits(kRowBytes * kHeight);
  std::size_t in = kHeader, out = 0;
  while (out < bits.size()) {
    if (in >= bytes.size()) throw Error(kInvalidMacPaint);
    const std::uint8_t code = bytes[in++];
    if (code < 128) {  // code + 1 bytes follow as they are
      const std::size_t count = std::min<std::size_t>(code + 1u, bits.size() - out);
      if (bytes.size() - in < count) throw Error(kInvalidMacPaint);
      std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(in), count, bits.begin() + out);
      in += code + 1u;
      out += count;
    } else if (code > 128) {  // the next byte, 257 - code times
      if (in >= bytes.size()) throw Error(kInvalidMacPaint);
      const std::size_t count = std::min<std::size_t>(257u - code, bits.size() - out);
      std::fill_n(bits.begin() + static_cast<std::ptrdiff_t>(out), count, bytes[in++]);
      out += count;
    }
  }

  Bitmap picture(kWidth, kHeight);
  constexpr Pixel kBlack = MakePixel(0, 0, 0), kPaper = MakePixel(255, 255, 255);
  for (int y = 0; y < kHeight; ++y) {
    const std::uint8_t* row = bits.data() + static_cast<std::size_t>(y) * kRowBytes;
    for (int x = 0; x < kWidth; ++x)
      picture.At(x, y) = (row[x / 8] >> (7 - x % 8)) & 1 ? kBlack : kPaper;
  }
  return picture;
}

}  // namespace quillo
