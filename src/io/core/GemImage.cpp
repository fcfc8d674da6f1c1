#include "GemImage.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/Error.h"

namespace quillo {

namespace {

constexpr std::size_t kHeaderWords = 8;
constexpr std::size_t kXimgWords = 11;  // the header, "XIMG" and the colour model
constexpr int kMaxPlanes = 8;

std::uint32_t Be16(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) << 8 | p[1];
}

[[noreturn]] void Damaged(const std::string& why) {
  throw Error("The GEM IMG picture is damaged (" + why + ").");
}

// The GEM desktop's 16 colours by colour number.
constexpr Pixel kDesktopColours[16] = {
    MakePixel(0xFF, 0xFF, 0xFF), MakePixel(0xFF, 0x00, 0x00), MakePixel(0x00, 0xFF, 0x00),
    MakePixel(0xFF, 0xFF, 0x00), MakePixel(0x00, 0x00, 0xFF), MakePixel(0xFF, 0x00, 0xFF),
    MakePixel(0x00, 0xFF, 0xFF), MakePixel(0xAE, 0xAE, 0xAE), MakePixel(0x55, 0x55, 0x55),
    MakePixel(0xAE, 0x00, 0x00), MakePixel(0x00, 0xAE, 0x00), MakePixel(0xAE, 0xAE, 0x00),
    MakePixel(0x00, 0x00, 0xAE), MakePixel(0xAE, 0x00, 0xAE), MakePixel(0x00, 0xAE, 0xAE),
    MakePixel(0x00, 0x00, 0x00)};

bool IsXimg(std::span<const std::uint8_t> bytes, std::size_t headerWords) {
  return headerWords >= kXimgWords && bytes[16] == 'X' && bytes[17] == 'I' && bytes[18] == 'M' &&
         bytes[19] == 'G';
}

// The colour of each colour number.
std::vector<Pixel> Palette(std::span<const std::uint8_t> bytes, std::size_t headerWords,
                           int planes) {
  const std::size_t count = std::size_t{1} << planes;
  std::vector<Pixel> palette(count);
  if (IsXimg(bytes, headerWords)) {
    const std::uint32_t model = Be16(bytes.data() + 20);
    if (model != 0)
      throw Error("The GEM IMG picture describes its colours in model " + std::to_string(model) +
                  "; only RGB colours can be read.");
    if (headerWords < kXimgWords + 3 * count) Damaged("its colour table is cut short");
    const std::uint8_t* entry = bytes.data() + 2 * kXimgWords;
    const auto level = [](std::uint32_t v) {
      return static_cast<int>((std::min<std::uint32_t>(v, 1000) * 255 + 500) / 1000);
    };
    for (Pixel& p : palette) {
      p = MakePixel(level(Be16(entry)), level(Be16(entry + 2)), level(Be16(entry + 4)));
      entry += 6;
    }
  } else if (planes == 4) {
    std::copy(std::begin(kDesktopColours), std::end(kDesktopColours), palette.begin());
  } else {
    for (std::size_t i = 0; i < count; ++i) {
      const int grey = static_cast<int>(255 - (i * 255 + (count - 1) / 2) / (count - 1));
      palette[i] = MakePixel(grey, grey, grey);
    }
  }
  return palette;
}

// Unpacks the scan lines one at a time into the bytes of their plane rows.
class LineReader {
 public:
  LineReader(std::span<const std::uint8_t> data, std::size_t rowBytes, int planes,
             std::size_t patternBytes, int lines)
      : data_(data),
        rowBytes_(rowBytes),
        line_(rowBytes * planes),
        patternBytes_(patternBytes),
        lines_(lines) {}

  // Unpacks scan line y (counted from 0) and returns how many times it is
  // shown: more than once after a vertical replication record.
  int Read(int y) {
    y_ = y;
    int times = 1;
    std::size_t at = 0;
    while (at < line_.size()) {
      const std::uint8_t code = Byte();
      if (code == 0x80) {  // bit string: count literal bytes
        const std::size_t count = Room(at, Byte());
        const std::uint8_t* src = Take(count);
        std::copy(src, src + count, line_.begin() + at);
        at += count;
      } else if (code != 0) {  // solid run of count bytes, all bits set or all clear
        const std::size_t count = Room(at, code & 0x7F);
        std::fill_n(line_.begin() + at, count, code & 0x80 ? 0xFF : 0x00);
        at += count;
      } else if (const std::uint8_t repeats = Byte(); repeats != 0) {  // pattern run
        if (patternBytes_ == 0) Damaged("a pattern run in a picture without patterns");
        const std::size_t count = Room(at, repeats * patternBytes_);
        const std::uint8_t* pattern = Take(patternBytes_);
        for (std::size_t i = 0; i < count; ++i) line_[at + i] = pattern[i % patternBytes_];
        at += count;
      } else {  // 00 00 FF n: the scan line that follows is shown n times
        if (at != 0 || Byte() != 0xFF) Damaged("an unknown record in scan line " + Line());
        times = std::max<int>(Byte(), 1);
      }
    }
    return times;
  }

  // Bit x of plane p's row in the scan line last read.
  int Bit(int plane, int x) const {
    return line_[plane * rowBytes_ + (x >> 3)] >> (7 - (x & 7)) & 1;
  }

 private:
  std::string Line() const { return std::to_string(y_ + 1); }

  // Count when it fits in the line from byte `at` on.
  std::size_t Room(std::size_t at, std::size_t count) const {
    if (count > line_.size() - at) Damaged("a run goes past the end of scan line " + Line());
    return count;
  }
  const std::uint8_t* Take(std::size_t count) {
    if (count > data_.size() - pos_)
      throw Error("The GEM IMG picture ends early (in scan line " + Line() + " of " +
                  std::to_string(lines_) + ").");
    const std::uint8_t* here = data_.data() + pos_;
    pos_ += count;
    return here;
  }
  std::uint8_t Byte() { return *Take(1); }

  std::span<const std::uint8_t> data_;
  std::size_t rowBytes_;
  std::vector<std::uint8_t> line_;
  std::size_t patternBytes_;
  int lines_;
  std::size_t pos_ = 0;
  int y_ = 0;
};

}  // namespace

bool LooksLikeGemImg(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 2 * kHeaderWords) return false;
  const std::uint32_t version = Be16(bytes.data());
  const std::uint32_t headerWords = Be16(bytes.data() + 2);
  return (version == 1 || version == 2) && headerWords >= kHeaderWords &&
         2 * headerWords <= bytes.size();
}

Bitmap DecodeGemImg(std::span<const std::uint8_t> bytes) {
  if (!LooksLikeGemImg(bytes)) throw Error("This is not a GEM IMG picture.");
  const std::uint8_t* h = bytes.data();
  const std::size_t headerWords = Be16(h + 2);
  const std::uint32_t planes = Be16(h + 4);
  const std::size_t patternBytes = Be16(h + 6);
  const std::uint32_t width = Be16(h + 12);
  const std::uint32_t height = Be16(h + 14);
  if (planes < 1 || planes > kMaxPlanes)
    throw Error("The GEM IMG picture has " + std::to_string(planes) +
                " colour planes; only pictures of 1 to 8 planes can be read.");
  const std::string size = "(" + std::to_string(width) + " x " + std::to_string(height) + ").";
  if (width == 0 || height == 0) throw Error("The GEM IMG picture has no pixels " + size);
  if (!IsAcceptableSize(width, height)) throw Error("The GEM IMG picture is too large " + size);
  const std::vector<Pixel> palette = Palette(bytes, headerWords, static_cast<int>(planes));

  const std::size_t rowBytes = (width + 7) / 8;
  const auto scanLines = [&] {
    return LineReader(bytes.subspan(2 * headerWords), rowBytes, static_cast<int>(planes),
                      patternBytes, static_cast<int>(height));
  };
  // A few bytes can claim a picture of hundreds of megabytes: every scan line
  // is unpacked once into the line buffer alone before the picture is
  // allocated, so damaged or short data is refused at the cost of its own size.
  {
    LineReader check = scanLines();
    for (int y = 0; y < static_cast<int>(height);) y += check.Read(y);
  }
  LineReader lines = scanLines();
  Bitmap out(static_cast<int>(width), static_cast<int>(height));
  for (int y = 0; y < out.Height();) {
    const int times = std::min(lines.Read(y), out.Height() - y);
    Pixel* row = out.Row(y);
    for (int x = 0; x < out.Width(); ++x) {
      int colour = 0;
      for (int p = 0; p < static_cast<int>(planes); ++p) colour |= lines.Bit(p, x) << p;
      row[x] = palette[colour];
    }
    for (int i = 1; i < times; ++i) std::copy(row, row + out.Width(), out.Row(y + i));
    y += times;
  }
  return out;
}

}  // namespace quillo
