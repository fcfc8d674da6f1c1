#include "ScannedDib.h"

#include <cstring>

#include "BmpCodec.h"
#include "base/ByteCursor.h"
#include "base/Error.h"

namespace quillo {

namespace {

constexpr int kInfoHeaderSize = 40;
constexpr int kFileHeaderSize = 14;

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = v & 0xFF;
  out[at + 1] = (v >> 8) & 0xFF;
}
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  StoreU32(&out[at], v);
}

// One sample of a row as 8 bits.
std::uint8_t Sample(const std::uint8_t* row, int depth, int index) {
  if (depth == 16) return row[index * 2 + 1];  // the high byte (little-endian machine)
  if (depth == 1) return (row[index / 8] >> (7 - index % 8)) & 1 ? 0 : 255;  // 1 is black
  return row[index];
}

}  // namespace

std::vector<std::uint8_t> PackedDib(const ScanSamples& s) {
  if (s.depth != 1 && s.depth != 8 && s.depth != 16) throw Error("Unsupported scan depth");
  const int channels = s.colour ? 3 : 1;
  if (s.width <= 0 || s.height <= 0 || !IsAcceptableSize(s.width, s.height))
    throw Error("The scanned picture has no valid size");
  const std::int64_t needed = (std::int64_t(s.width) * channels * s.depth + 7) / 8;
  if (s.bytesPerLine < needed ||
      std::int64_t(s.bytesPerLine) * s.height > std::int64_t(s.bytes.size()))
    throw Error("The scanner delivered fewer samples than the picture needs");

  const bool lineArt = !s.colour && s.depth == 1;
  const int bits = s.colour ? 24 : lineArt ? 1 : 8;
  const int colours = s.colour ? 0 : lineArt ? 2 : 256;
  const std::size_t stride = ((std::size_t(s.width) * bits + 31) / 32) * 4;
  const std::size_t offset = kInfoHeaderSize + colours * 4;
  std::vector<std::uint8_t> dib(offset + stride * s.height, 0);
  Put32(dib, 0, kInfoHeaderSize);
  Put32(dib, 4, s.width);
  Put32(dib, 8, s.height);  // positive: rows bottom up
  Put16(dib, 12, 1);
  Put16(dib, 14, bits);
  Put32(dib, 20, stride * s.height);
  const std::uint32_t perMetre = static_cast<std::uint32_t>(s.dotsPerInch * 10000 / 254);
  Put32(dib, 24, perMetre);
  Put32(dib, 28, perMetre);
  Put32(dib, 32, colours);
  for (int i = 0; i < colours; ++i) {
    const std::uint8_t grey = lineArt ? (i == 0 ? 255 : 0) : i;
    std::memset(&dib[kInfoHeaderSize + i * 4], grey, 3);
  }
  for (int y = 0; y < s.height; ++y) {
    const std::uint8_t* in = s.bytes.data() + std::size_t(y) * s.bytesPerLine;
    std::uint8_t* out = dib.data() + offset + std::size_t(s.height - 1 - y) * stride;
    if (lineArt) {
      std::memcpy(out, in, (s.width + 7) / 8);
    } else if (!s.colour) {
      for (int x = 0; x < s.width; ++x) out[x] = Sample(in, s.depth, x);
    } else {
      for (int x = 0; x < s.width; ++x)
        for (int c = 0; c < 3; ++c) out[x * 3 + 2 - c] = Sample(in, s.depth, x * 3 + c);
    }
  }
  return dib;
}

Bitmap DibToBitmap(std::span<const std::uint8_t> dib) {
  if (dib.size() < kInfoHeaderSize) throw Error(kInvalidBitmap);
  // A file header in front makes it a BMP file for the one BMP reader.
  std::vector<std::uint8_t> file(kFileHeaderSize, 0);
  file[0] = 'B';
  file[1] = 'M';
  const std::uint32_t headerSize = LoadU32(&dib[0]);
  const std::uint32_t bits = LoadU16(&dib[14]);
  std::uint32_t colours = LoadU32(&dib[32]);
  if (colours == 0 && bits <= 8) colours = 1u << bits;
  if (headerSize > dib.size() || colours > 256) throw Error(kInvalidBitmap);
  Put32(file, 2, kFileHeaderSize + dib.size());
  Put32(file, 10, kFileHeaderSize + headerSize + colours * 4);
  file.insert(file.end(), dib.begin(), dib.end());
  return DecodeBmp(file).bitmap;
}

}  // namespace quillo
