// The BMP reader over every depth, header kind and packing the format has,
// each picture written here and its decoding compared pixel for pixel with
// another reader's: netpbm's bmptopnm, or the toolkit's for bit fields (which
// bmptopnm ignores).
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/Bitmap.h"
#include "base/Error.h"
#include "io/PictureFile.h"
#include "io/core/BmpCodec.h"
#include "skin/BitmapImage.h"

namespace quillo {
namespace {

using Bytes = std::vector<std::uint8_t>;

enum class Header { Core = 12, Info = 40, V4 = 108, V5 = 124 };
enum class Packing { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

struct BmpCase {
  int bits = 24;
  Header header = Header::Info;
  Packing packing = Packing::Rgb;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue; bit fields only
  int width = 13;
  int height = 7;
  bool topDown = false;
  int colours = 0;        // colour table entries; 0: all that the depth has
  int gap = 0;            // bytes between the colour table and the pixels
  int declaredSlack = 0;  // bytes the header declares beyond the pixel rows

  bool Paletted() const { return bits <= 8; }
  int Colours() const { return colours ? colours : 1 << bits; }
  std::string Name() const {
    static const char* packings[] = {"rgb", "rle8", "rle4", "bitfields"};
    std::string name = std::to_string(bits) + " bits, " + std::to_string(static_cast<int>(header)) +
                       "-byte header, " + packings[static_cast<int>(packing)] + ", " +
                       std::to_string(width) + "x" + std::to_string(height) +
                       (topDown ? " top-down" : " bottom-up");
    if (colours) name += ", " + std::to_string(colours) + " colours";
    if (gap) name += ", " + std::to_string(gap) + " bytes before the pixels";
    if (declaredSlack) name += ", " + std::to_string(declaredSlack) + " bytes declared beyond";
    return name;
  }
};

// The picture's content: a colour index or a stored pixel value at (x, y),
// in the picture's own orientation. The left half has runs for the run-length
// packings, the right half changes at every pixel.
int IndexAt(const BmpCase& c, int x, int y) {
  const int n = c.Colours();
  return x < c.width / 2 ? (y + x / 5) % n : (x * 7 + y * 3 + x * y) % n;
}

std::uint32_t ValueAt(const BmpCase& c, int x, int y) {
  // Bits outside the masks are set too: the reader must drop them.
  const std::uint32_t v = static_cast<std::uint32_t>(x) * 0x9E3779B1u ^
                          static_cast<std::uint32_t>(y) * 0x85EBCA77u ^
                          static_cast<std::uint32_t>(x * y) * 0x27D4EB2Fu;
  return c.bits == 16 ? v >> 16 : v;
}

std::array<std::uint8_t, 3> PaletteEntry(int i) {  // blue, green, red
  return {static_cast<std::uint8_t>(i * 53 + 7), static_cast<std::uint8_t>(i * 101 + 11),
          static_cast<std::uint8_t>(255 - i * 37)};
}

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::size_t RowBytes(const BmpCase& c) {
  return (static_cast<std::size_t>(c.width) * c.bits + 31) / 32 * 4;
}

// One stored row, padded to four bytes with bytes that are not zero.
Bytes RawRow(const BmpCase& c, int y) {
  Bytes row;
  for (int x = 0; x < c.width; ++x) {
    switch (c.bits) {
      case 1:
      case 4: {
        const int perByte = 8 / c.bits;
        if (x % perByte == 0) row.push_back(0);
        row.back() |=
            static_cast<std::uint8_t>(IndexAt(c, x, y) << (8 - c.bits * (x % perByte + 1)));
        break;
      }
      case 8:
        row.push_back(static_cast<std::uint8_t>(IndexAt(c, x, y)));
        break;
      case 16:
        Put16(row, ValueAt(c, x, y));
        break;
      case 24: {
        const std::uint32_t v = ValueAt(c, x, y);
        row.insert(row.end(), {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                               static_cast<std::uint8_t>(v >> 16)});
        break;
      }
      case 32:
        Put32(row, ValueAt(c, x, y));
        break;
    }
  }
  row.resize(RowBytes(c), 0xA5);
  return row;
}

// The run-length packings: runs where the row repeats, literal stretches of
// three or more pixels elsewhere, an end of line after every row and an end
// of picture after the last.
Bytes RunLengthRows(const BmpCase& c) {
  const bool four = c.packing == Packing::Rle4;
  Bytes out;
  for (int y = c.height - 1; y >= 0; --y) {
    int x = 0;
    while (x < c.width) {
      int run = 1;
      while (x + run < c.width && run < 255 && IndexAt(c, x + run, y) == IndexAt(c, x, y)) ++run;
      if (run >= 2 || c.width - x < 3) {
        const int index = IndexAt(c, x, y);
        out.push_back(static_cast<std::uint8_t>(run));
        out.push_back(static_cast<std::uint8_t>(four ? index << 4 | index : index));
        x += run;
        continue;
      }
      // A literal stretch up to the next run of two.
      int length = 1;
      while (
          x + length < c.width && length < 255 &&
          !(x + length + 1 < c.width && IndexAt(c, x + length, y) == IndexAt(c, x + length + 1, y)))
        ++length;
      if (length < 3) length = 3;  // the row's end is at least three pixels away here
      out.push_back(0);
      out.push_back(static_cast<std::uint8_t>(length));
      Bytes literal;
      for (int i = 0; i < length; ++i) {
        const int index = IndexAt(c, x + i, y);
        if (!four)
          literal.push_back(static_cast<std::uint8_t>(index));
        else if (i % 2 == 0)
          literal.push_back(static_cast<std::uint8_t>(index << 4));
        else
          literal.back() |= static_cast<std::uint8_t>(index);
      }
      if (literal.size() % 2) literal.push_back(0);  // literals end on a 16-bit boundary
      out.insert(out.end(), literal.begin(), literal.end());
      x += length;
    }
    out.insert(out.end(), {0, static_cast<std::uint8_t>(y == 0 ? 1 : 0)});
  }
  return out;
}

struct BmpFile {
  Bytes bytes;
  std::size_t fileSize = 0;  // what the file header declares
};

BmpFile WriteBmp(const BmpCase& c) {
  const bool core = c.header == Header::Core;
  const bool runLength = c.packing == Packing::Rle8 || c.packing == Packing::Rle4;
  Bytes pixels;
  if (runLength) {
    pixels = RunLengthRows(c);
  } else {
    for (int r = 0; r < c.height; ++r) {
      const Bytes row = RawRow(c, c.topDown ? r : c.height - 1 - r);
      pixels.insert(pixels.end(), row.begin(), row.end());
    }
  }
  const std::size_t declared = pixels.size() + c.declaredSlack;
  pixels.resize(declared, 0x5A);

  Bytes info;
  const int height = c.topDown ? -c.height : c.height;
  Put32(info, static_cast<std::uint32_t>(c.header));
  if (core) {
    Put16(info, c.width);
    Put16(info, static_cast<std::uint32_t>(height));
    Put16(info, 1);
    Put16(info, c.bits);
  } else {
    Put32(info, c.width);
    Put32(info, static_cast<std::uint32_t>(height));
    Put16(info, 1);
    Put16(info, c.bits);
    Put32(info, static_cast<std::uint32_t>(c.packing));
    Put32(info, static_cast<std::uint32_t>(declared));
    Put32(info, 2835);
    Put32(info, 2835);
    Put32(info, c.Paletted() ? c.colours : 0);
    Put32(info, 0);
    if (c.header != Header::Info) {
      for (std::uint32_t m : c.masks) Put32(info, c.packing == Packing::BitFields ? m : 0);
      Put32(info, 0);  // alpha
      info.resize(static_cast<std::size_t>(c.header), 0);
    }
  }
  Bytes table;
  if (c.header == Header::Info && c.packing == Packing::BitFields)
    for (std::uint32_t m : c.masks) Put32(table, m);
  if (c.Paletted())
    for (int i = 0; i < c.Colours(); ++i) {
      const auto e = PaletteEntry(i);
      table.insert(table.end(), e.begin(), e.end());
      if (!core) table.push_back(0);
    }
  table.resize(table.size() + c.gap, 0xC3);

  const std::size_t offBits = 14 + info.size() + table.size();
  Bytes file{'B', 'M'};
  Put32(file, static_cast<std::uint32_t>(offBits + declared));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(offBits));
  file.insert(file.end(), info.begin(), info.end());
  file.insert(file.end(), table.begin(), table.end());
  file.insert(file.end(), pixels.begin(), pixels.end());
  return {file, offBits + declared};
}

// netpbm's reading of the file, or nothing when netpbm is missing or refuses it.
std::optional<Bitmap> ReadWithNetpbm(const Bytes& file) {
  QProcess process;
  process.start("bmptopnm", {"-quiet"});
  if (!process.waitForStarted()) return std::nullopt;
  process.write(reinterpret_cast<const char*>(file.data()), static_cast<qint64>(file.size()));
  process.closeWriteChannel();
  if (!process.waitForFinished(10000) || process.exitCode() != 0) return std::nullopt;
  const QImage image = QImage::fromData(process.readAllStandardOutput(), "PPM");
  if (image.isNull()) return std::nullopt;
  return ToBitmap(image);
}

Bitmap ReadWithToolkit(const Bytes& file) {
  return ToBitmap(QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP"));
}

bool HaveNetpbm() {
  static const bool have = [] {
    QProcess process;
    process.start("bmptopnm", {"-version"});
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit;
  }();
  return have;
}

// The first pixel where the colours differ, for the failure message.
std::string FirstDifference(const Bitmap& ours, const Bitmap& theirs) {
  if (ours.Width() != theirs.Width() || ours.Height() != theirs.Height())
    return "sizes " + std::to_string(ours.Width()) + "x" + std::to_string(ours.Height()) + " and " +
           std::to_string(theirs.Width()) + "x" + std::to_string(theirs.Height());
  for (int y = 0; y < ours.Height(); ++y)
    for (int x = 0; x < ours.Width(); ++x)
      if (ColourBits(ours.At(x, y)) != ColourBits(theirs.At(x, y))) {
        char text[96];
        std::snprintf(text, sizeof text, "at (%d, %d): ours %06X, theirs %06X", x, y,
                      ColourBits(ours.At(x, y)), ColourBits(theirs.At(x, y)));
        return text;
      }
  return {};
}

struct ChannelMask {
  int shift = 0;
  int bits = 0;
  explicit ChannelMask(std::uint32_t mask) {
    while (mask && !(mask & 1)) mask >>= 1, ++shift;
    while (mask & 1) mask >>= 1, ++bits;
  }
};

// The toolkit scales a channel of n < 8 bits by 2^(8 - n), so that full scale
// reads short of 255 (31 -> 248); this reader takes the nearest of 0 to 255,
// full scale 255. The toolkit's channel is taken back to its n bits and
// scaled so.
int NearestFromToolkit(int value, int bits) {
  if (bits >= 8) return value;
  const int code = value >> (8 - bits);
  return static_cast<int>(std::lround(code * 255.0 / ((1 << bits) - 1)));
}

std::array<std::uint32_t, 3> MasksOf(const BmpCase& c) {
  if (c.packing == Packing::BitFields) return c.masks;
  return {0x7C00, 0x03E0, 0x001F};  // 16 bits without fields: 5 bits each
}

// The toolkit's reading with its channels brought to this reader's scale. The
// toolkit reads no channel wider than 8 bits (it makes them 0): such a
// channel keeps its top 8 bits, taken here from the stored values.
Bitmap ToolkitReference(const BmpCase& c) {
  const std::array<std::uint32_t, 3> masks = MasksOf(c);
  const ChannelMask red(masks[0]), green(masks[1]), blue(masks[2]);
  if (red.bits > 8 || green.bits > 8 || blue.bits > 8) {
    Bitmap top(c.width, c.height);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) {
        const std::uint32_t v = ValueAt(c, x, y);
        auto eight = [v](const ChannelMask& m, std::uint32_t mask) {
          return static_cast<int>(((v & mask) >> m.shift) >> (m.bits - 8));
        };
        top.At(x, y) =
            MakePixel(eight(red, masks[0]), eight(green, masks[1]), eight(blue, masks[2]));
      }
    return top;
  }
  Bitmap theirs = ReadWithToolkit(WriteBmp(c).bytes);
  for (int y = 0; y < theirs.Height(); ++y)
    for (int x = 0; x < theirs.Width(); ++x) {
      const Pixel p = theirs.At(x, y);
      theirs.At(x, y) =
          MakePixel(NearestFromToolkit(Red(p), red.bits), NearestFromToolkit(Green(p), green.bits),
                    NearestFromToolkit(Blue(p), blue.bits));
    }
  return theirs;
}

// Every depth under every header kind that has it, each with and without
// its variations: top-down rows, fewer colours, a gap before the pixels and a
// declared pixel size beyond the rows.
std::vector<BmpCase> AllCases() {
  struct Kind {
    int bits;
    Packing packing;
    std::array<std::uint32_t, 3> masks;
  };
  const Kind kinds[] = {
      {1, Packing::Rgb, {}},
      {4, Packing::Rgb, {}},
      {8, Packing::Rgb, {}},
      {4, Packing::Rle4, {}},
      {8, Packing::Rle8, {}},
      {16, Packing::Rgb, {}},
      {16, Packing::BitFields, {0xF800, 0x07E0, 0x001F}},
      {16, Packing::BitFields, {0x000F, 0x0F00, 0x00F0}},
      {24, Packing::Rgb, {}},
      {32, Packing::Rgb, {}},
      {32, Packing::BitFields, {0x000000FF, 0x0000FF00, 0x00FF0000}},
      {32, Packing::BitFields, {0x3FF00000, 0x000FFC00, 0x000003FF}},
  };
  std::vector<BmpCase> cases;
  for (Header header : {Header::Core, Header::Info, Header::V4, Header::V5})
    for (const Kind& kind : kinds) {
      // The core header has no packings and no direct colours but 24 bits.
      if (header == Header::Core &&
          (kind.packing != Packing::Rgb || kind.bits == 16 || kind.bits == 32))
        continue;
      const bool runLength = kind.packing == Packing::Rle4 || kind.packing == Packing::Rle8;
      for (int variant = 0; variant < 2; ++variant) {
        BmpCase c;
        c.bits = kind.bits;
        c.header = header;
        c.packing = kind.packing;
        c.masks = kind.masks;
        c.width = kind.bits == 1 ? 21 + variant * 10 : 13 + variant * 4;
        c.height = 5 + variant * 2;
        // Run-length and core pictures are bottom-up; the core header declares
        // no pixel size.
        c.topDown = variant == 1 && !runLength && header != Header::Core;
        if (header != Header::Core) {
          c.gap = variant == 1 ? 6 : 0;
          c.declaredSlack = variant == 1 && !runLength ? 10 : 0;
          if (c.Paletted() && variant == 1) c.colours = (1 << kind.bits) - 1;
        }
        cases.push_back(c);
      }
    }
  return cases;
}

bool UsesBitFields(const BmpCase& c) {
  return c.bits == 16 || c.packing == Packing::BitFields;
}

TEST(BmpReader, EveryDepthHeaderAndPackingReadsAsAnotherReaderReadsIt) {
  if (!HaveNetpbm()) GTEST_SKIP() << "netpbm's bmptopnm is not installed";
  const std::vector<BmpCase> cases = AllCases();
  ASSERT_EQ(cases.size(), 2u * (4 + 3 * 12));
  for (const BmpCase& c : cases) {
    SCOPED_TRACE(c.Name());
    const BmpFile file = WriteBmp(c);
    const Bitmap ours = LoadPictureBytes(file.bytes, "case.bmp");
    const Bitmap theirs = UsesBitFields(c) ? ToolkitReference(c) : [&] {
      const std::optional<Bitmap> netpbm = ReadWithNetpbm(file.bytes);
      EXPECT_TRUE(netpbm.has_value()) << "bmptopnm refused it";
      return netpbm.value_or(Bitmap());
    }();
    EXPECT_EQ(FirstDifference(ours, theirs), "");
  }
}

TEST(BmpReader, APictureEndsWhereItsHeadersSaySoTheNextCanFollow) {
  for (const BmpCase& c : AllCases()) {
    if (c.packing == Packing::Rle4 || c.packing == Packing::Rle8) continue;  // not ours to read
    SCOPED_TRACE(c.Name());
    BmpFile file = WriteBmp(c);
    file.bytes.insert(file.bytes.end(), 9, 'Z');  // what follows the picture
    const BmpPicture picture = DecodeBmp(file.bytes);
    EXPECT_EQ(picture.extent, file.fileSize);
    EXPECT_EQ(picture.bitsPerPixel, c.bits);
  }
}

}  // namespace
}  // namespace quillo
