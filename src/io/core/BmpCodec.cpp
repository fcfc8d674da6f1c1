#include "BmpCodec.h"

#include <bit>
#include <cstring>

#include "skin/core/Error.h"

namespace quillo {

namespace {

std::uint32_t U16(const std::uint8_t* p) {
  return p[0] | (p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t S32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(U32(p));
}

void Put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = v & 0xFF;
  p[1] = (v >> 8) & 0xFF;
}
void Put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = (v >> (8 * i)) & 0xFF;
}

[[noreturn]] void Invalid() {
  throw Error(kInvalidBitmap);
}

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;

// Extracts one channel through a bit-field mask and scales it to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    bits = std::popcount(m >> shift);
  }
  int Get(std::uint32_t v) const {
    if (bits == 0) return 0;
    const std::uint32_t c = (v & mask) >> shift;
    if (bits >= 8) return static_cast<int>(c >> (bits - 8));
    const std::uint32_t max = (1u << bits) - 1;
    return static_cast<int>((c * 255 + max / 2) / max);
  }
};

}  // namespace

bool LooksLikeBmp(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

BmpPicture DecodeBmp(std::span<const std::uint8_t> bytes) {
  const std::size_t size = bytes.size();
  const std::uint8_t* d = bytes.data();
  if (size < 14 + 12 || !LooksLikeBmp(bytes)) Invalid();

  const std::uint32_t headerSize = U32(d + 14);
  std::int64_t width = 0, height = 0;
  std::uint32_t planes = 0, bits = 0, compression = kRgb, imageSize = 0, colorsUsed = 0;
  if (headerSize == 12) {  // the old core header
    width = U16(d + 18);
    height = static_cast<std::int16_t>(U16(d + 20));
    planes = U16(d + 22);
    bits = U16(d + 24);
  } else if (headerSize >= 40 && headerSize <= 124) {
    if (size < 14 + static_cast<std::size_t>(headerSize)) Invalid();
    width = S32(d + 18);
    height = S32(d + 22);
    planes = U16(d + 26);
    bits = U16(d + 28);
    compression = U32(d + 30);
    imageSize = U32(d + 34);
    colorsUsed = U32(d + 46);
  } else {
    Invalid();
  }
  if (planes != 1) Invalid();
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || !IsAcceptableSize(width, height)) Invalid();
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) Invalid();
  if (compression != kRgb && !(compression == kBitFields && (bits == 16 || bits == 32))) Invalid();

  // Masks of bit-field pictures follow a header too short to hold them (the
  // 40-byte one); headers of 52 bytes and more hold them.
  std::size_t pos = 14 + headerSize;
  std::uint32_t masks[3] = {0, 0, 0};
  if (compression == kBitFields) {
    if (headerSize < 52) {
      if (size < pos + 12) Invalid();
      for (int i = 0; i < 3; ++i) masks[i] = U32(d + pos + 4 * i);
      pos += 12;
    } else {
      for (int i = 0; i < 3; ++i) masks[i] = U32(d + 54 + 4 * i);
    }
  } else if (bits == 16) {
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
  }

  // Colour table for 8 bits and fewer.
  std::vector<Pixel> palette;
  if (bits <= 8) {
    const std::uint32_t maxColors = 1u << bits;
    const std::uint32_t count = colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
    const std::size_t entry = headerSize == 12 ? 3 : 4;
    if (size < pos + count * entry) Invalid();
    palette.assign(maxColors, 0);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* e = d + pos + i * entry;
      palette[i] = MakePixel(e[2], e[1], e[0]);
    }
    pos += count * entry;
  }
  // Direct colours may be followed by a colour table that nothing uses; it is
  // optional, so a colour count alone does not prove that one is present.
  std::size_t tableEnd = pos;
  if (bits > 8 && colorsUsed != 0 && headerSize >= 40) {
    const std::uint64_t tableBytes = static_cast<std::uint64_t>(colorsUsed) * 4;
    if (tableBytes <= size - pos) tableEnd = pos + tableBytes;
  }

  const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
  const std::uint64_t pixelBytes = rowBytes * static_cast<std::uint64_t>(height);
  // Pixels follow the headers and colour table, or begin where the file
  // header's offset says when that lies beyond the headers.
  const std::uint32_t offBits = U32(d + 10);
  const std::size_t start = offBits >= pos && offBits < size ? offBits : tableEnd;
  if (pixelBytes > size - start) Invalid();

  BmpPicture out;
  out.bitsPerPixel = static_cast<int>(bits);
  if (headerSize >= 40) std::memcpy(out.extraHeader.data(), d + 38, 16);
  // The picture ends after the pixel data its header declares, or after the
  // rows it needs when the declared size is missing or too small.
  const std::uint64_t declared = headerSize >= 40 ? imageSize : 0;
  out.extent = start + (declared > pixelBytes && declared <= size - start ? declared : pixelBytes);

  out.bitmap.SetSize(static_cast<int>(width), static_cast<int>(height));
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
  for (std::int64_t r = 0; r < height; ++r) {
    const std::uint8_t* src = d + start + rowBytes * r;
    Pixel* row = out.bitmap.Row(static_cast<int>(topDown ? r : height - 1 - r));
    for (std::int64_t x = 0; x < width; ++x) {
      Pixel p = 0;
      switch (bits) {
        case 1:
          p = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
          break;
        case 4:
          p = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
          break;
        case 8:
          p = palette[src[x]];
          break;
        case 16: {
          const std::uint32_t v = U16(src + 2 * x);
          p = MakePixel(red.Get(v), green.Get(v), blue.Get(v));
          break;
        }
        case 24:
          p = MakePixel(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
          break;
        case 32: {
          const std::uint32_t v = U32(src + 4 * x);
          p = compression == kBitFields ? MakePixel(red.Get(v), green.Get(v), blue.Get(v)) : v;
          break;
        }
      }
      row[x] = p;
    }
  }
  return out;
}

std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap, int bitsPerPixel,
                                    const std::array<std::uint8_t, 16>& extraHeader) {
  if (bitsPerPixel != 24 && bitsPerPixel != 32) throw Error("Unsupported bitmap depth");
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  const std::size_t rowBytes = ((static_cast<std::size_t>(w) * bitsPerPixel + 31) / 32) * 4;
  const std::size_t pixelBytes = rowBytes * h;
  std::vector<std::uint8_t> out(54 + pixelBytes, 0);
  std::uint8_t* d = out.data();
  d[0] = 'B';
  d[1] = 'M';
  Put32(d + 2, static_cast<std::uint32_t>(out.size()));
  Put32(d + 10, 54);
  Put32(d + 14, 40);
  Put32(d + 18, static_cast<std::uint32_t>(w));
  Put32(d + 22, static_cast<std::uint32_t>(h));
  Put16(d + 26, 1);
  Put16(d + 28, static_cast<std::uint32_t>(bitsPerPixel));
  Put32(d + 30, 0);
  Put32(d + 34, static_cast<std::uint32_t>(pixelBytes));
  std::memcpy(d + 38, extraHeader.data(), 16);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* o = d + 54 + rowBytes * (h - 1 - y);
    const Pixel* row = bitmap.Row(y);
    for (int x = 0; x < w; ++x) {
      if (bitsPerPixel == 32) {
        Put32(o + 4 * x, row[x]);
      } else {
        o[3 * x] = static_cast<std::uint8_t>(Blue(row[x]));
        o[3 * x + 1] = static_cast<std::uint8_t>(Green(row[x]));
        o[3 * x + 2] = static_cast<std::uint8_t>(Red(row[x]));
      }
    }
  }
  return out;
}

}  // namespace quillo
