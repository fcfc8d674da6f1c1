#include "BmpCodec.h"

#include <bit>
#include <cstring>

#include "base/ByteCursor.h"
#include "base/Error.h"

namespace quillo {

namespace {

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
  ByteReader in(bytes, kInvalidBitmap);
  const std::size_t size = bytes.size();
  if (size < 14 + 12 || !LooksLikeBmp(bytes)) in.Fail();

  const std::uint32_t headerSize = in.U32At(14);
  std::int64_t width = 0, height = 0;
  std::uint32_t planes = 0, bits = 0, compression = kRgb, imageSize = 0, colorsUsed = 0;
  in.Seek(18);
  if (headerSize == 12) {  // the old core header
    width = in.U16();
    height = in.S16();
    planes = in.U16();
    bits = in.U16();
  } else if (headerSize >= 40 && headerSize <= 124) {
    if (size < 14 + static_cast<std::size_t>(headerSize)) in.Fail();
    width = in.S32();
    height = in.S32();
    planes = in.U16();
    bits = in.U16();
    compression = in.U32();
    imageSize = in.U32();
    colorsUsed = in.U32At(46);
  } else {
    in.Fail();
  }
  if (planes != 1) in.Fail();
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || !IsAcceptableSize(width, height)) in.Fail();
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) in.Fail();
  if (compression != kRgb && !(compression == kBitFields && (bits == 16 || bits == 32))) in.Fail();

  // Masks of bit-field pictures follow a header too short to hold them (the
  // 40-byte one); headers of 52 bytes and more hold them.
  in.Seek(14 + headerSize);
  std::uint32_t masks[3] = {0, 0, 0};
  if (compression == kBitFields) {
    for (int i = 0; i < 3; ++i) masks[i] = headerSize < 52 ? in.U32() : in.U32At(54 + 4 * i);
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
    const std::span<const std::uint8_t> table = in.Bytes(count * entry);
    palette.assign(maxColors, 0);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* e = table.data() + i * entry;
      palette[i] = MakePixel(e[2], e[1], e[0]);
    }
  }
  const std::size_t pos = in.Position();
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
  const std::uint32_t offBits = in.U32At(10);
  const std::size_t start = offBits >= pos && offBits < size ? offBits : tableEnd;
  in.Seek(start);
  if (pixelBytes > in.Remaining()) in.Fail();
  const std::uint8_t* pixels = in.Bytes(static_cast<std::size_t>(pixelBytes)).data();

  BmpPicture out;
  out.bitsPerPixel = static_cast<int>(bits);
  if (headerSize >= 40) std::memcpy(out.extraHeader.data(), bytes.data() + 38, 16);
  // The picture ends after the pixel data its header declares, or after the
  // rows it needs when the declared size is missing or too small.
  const std::uint64_t declared = headerSize >= 40 ? imageSize : 0;
  out.extent = start + (declared > pixelBytes && declared <= size - start ? declared : pixelBytes);

  out.bitmap.SetSize(static_cast<int>(width), static_cast<int>(height));
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
  for (std::int64_t r = 0; r < height; ++r) {
    const std::uint8_t* src = pixels + rowBytes * r;
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
          const std::uint32_t v = LoadU16(src + 2 * x);
          p = MakePixel(red.Get(v), green.Get(v), blue.Get(v));
          break;
        }
        case 24:
          p = MakePixel(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
          break;
        case 32: {
          const std::uint32_t v = LoadU32(src + 4 * x);
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
  ByteWriter out;
  out.Reserve(54 + pixelBytes);
  out.U8('B');
  out.U8('M');
  out.U32(static_cast<std::uint32_t>(54 + pixelBytes));
  out.U32(0);
  out.U32(54);
  out.U32(40);
  out.S32(w);
  out.S32(h);
  out.U16(1);
  out.U16(static_cast<std::uint16_t>(bitsPerPixel));
  out.U32(0);
  out.U32(static_cast<std::uint32_t>(pixelBytes));
  out.Bytes(extraHeader);
  std::uint8_t* d = out.Data() + out.Zeros(pixelBytes);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* o = d + rowBytes * (h - 1 - y);
    const Pixel* row = bitmap.Row(y);
    for (int x = 0; x < w; ++x) {
      if (bitsPerPixel == 32) {
        StoreU32(o + 4 * x, row[x]);
      } else {
        o[3 * x] = static_cast<std::uint8_t>(Blue(row[x]));
        o[3 * x + 1] = static_cast<std::uint8_t>(Green(row[x]));
        o[3 * x + 2] = static_cast<std::uint8_t>(Red(row[x]));
      }
    }
  }
  return std::move(out).Take();
}

}  // namespace quillo
