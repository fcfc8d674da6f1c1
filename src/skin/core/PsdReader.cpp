#include "PsdReader.h"

#include <algorithm>
#include <vector>

#include "base/Error.h"
#include "base/FileBytes.h"

namespace quillo {

namespace {

constexpr std::size_t kHeaderSize = 26;
constexpr std::uint32_t kModeRgb = 3;
constexpr std::uint32_t kModeMultichannel = 7;
constexpr int kPlacedChannels = 4;

std::uint32_t Be16(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) << 8 | p[1];
}
std::uint32_t Be32(const std::uint8_t* p) {
  return Be16(p) << 16 | Be16(p + 2);
}

// A file that ends early leaves the pixels it does not reach 0, but a few
// bytes must not claim hundreds of megabytes: beyond this size a picture is
// allocated only when the data after the sections could hold it at the
// format's best compression (LeastPixelData).
constexpr std::uint64_t kAlwaysAllocatedPixels = 1 << 16;

// The fewest bytes that code a picture: per row of a channel either the raw
// bytes or, run-length coded, its entry in the table of counts (2 bytes) and
// a run of two bytes for every 128 bytes of the row, whichever is smaller.
std::uint64_t LeastPixelData(std::uint64_t width, std::uint64_t height, std::uint32_t channels,
                             std::uint32_t bitsPerChannel) {
  const std::uint64_t rowBytes = (width * std::max<std::uint32_t>(bitsPerChannel, 1) + 7) / 8;
  const std::uint64_t perRow = std::min(rowBytes, 2 + 2 * ((rowBytes + 127) / 128));
  return perRow * height * std::max<std::uint32_t>(channels, 1);
}

// Where channel c goes in a pixel: red, green, blue, then the fourth byte.
constexpr int kChannelShift[kPlacedChannels] = {16, 8, 0, 24};

void PutByte(Pixel& p, int shift, std::uint8_t v) {
  p = (p & ~(Pixel{0xFF} << shift)) | Pixel{v} << shift;
}

// A cursor over the data after the header. A file may end anywhere: every
// read says whether the bytes were there, and once one was not the cursor
// stays at the end, so the caller simply stops.
class Input {
 public:
  Input(std::span<const std::uint8_t> bytes, std::size_t position)
      : bytes_(bytes), pos_(position) {}

  std::size_t Remaining() const { return bytes_.size() - pos_; }
  const std::uint8_t* Here() const { return bytes_.data() + pos_; }

  bool Skip(std::uint64_t count) {
    if (count > Remaining()) return End();
    pos_ += static_cast<std::size_t>(count);
    return true;
  }
  bool Byte(std::uint8_t& v) {
    if (Remaining() < 1) return End();
    v = bytes_[pos_++];
    return true;
  }
  bool Word(std::uint32_t& v) {
    if (Remaining() < 2) return End();
    v = Be16(Here());
    pos_ += 2;
    return true;
  }
  bool Long(std::uint32_t& v) {
    if (Remaining() < 4) return End();
    v = Be32(Here());
    pos_ += 4;
    return true;
  }

 private:
  bool End() {
    pos_ = bytes_.size();
    return false;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_;
};

// Channel after channel, row after row, one byte a pixel.
void ReadRaw(Input& in, Bitmap& picture, std::uint32_t channels) {
  const int width = picture.Width();
  const int height = picture.Height();
  for (std::uint32_t c = 0; c < channels; ++c) {
    if (c >= kPlacedChannels) {
      if (!in.Skip(static_cast<std::uint64_t>(width) * height)) return;
      continue;
    }
    const int shift = kChannelShift[c];
    for (int y = 0; y < height; ++y) {
      const int count = static_cast<int>(std::min<std::size_t>(width, in.Remaining()));
      const std::uint8_t* src = in.Here();
      Pixel* row = picture.Row(y);
      for (int x = 0; x < count; ++x) PutByte(row[x], shift, src[x]);
      if (!in.Skip(width)) return;
    }
  }
}

// One row of PackBits runs. False when the data ends inside it.
bool ReadRunRow(Input& in, Pixel* row, int width, int shift, bool placed) {
  int x = 0;
  while (x < width) {
    std::uint8_t control = 0;
    if (!in.Byte(control)) return false;
    const int n = static_cast<std::int8_t>(control);
    if (n >= 0) {  // n + 1 literal values
      const int count = n + 1;
      const int stored = static_cast<int>(std::min<std::size_t>(count, in.Remaining()));
      const std::uint8_t* src = in.Here();
      if (placed)
        for (int i = 0; i < stored && x + i < width; ++i) PutByte(row[x + i], shift, src[i]);
      if (!in.Skip(count)) return false;
      x += count;
    } else if (n != -128) {  // one value for 1 - n pixels
      std::uint8_t v = 0;
      if (!in.Byte(v)) return false;
      const int end = std::min(width, x + 1 - n);
      if (placed)
        for (int i = x; i < end; ++i) PutByte(row[i], shift, v);
      x = end;
    }
  }
  return true;
}

// Run-length rows after the table of their byte counts, which the runs
// themselves make needless.
void ReadRunLength(Input& in, Bitmap& picture, std::uint32_t channels) {
  const int width = picture.Width();
  const int height = picture.Height();
  if (!in.Skip(static_cast<std::uint64_t>(height) * channels * 2)) return;
  for (std::uint32_t c = 0; c < channels; ++c) {
    const bool placed = c < kPlacedChannels;
    const int shift = placed ? kChannelShift[c] : 0;
    for (int y = 0; y < height; ++y)
      if (!ReadRunRow(in, picture.Row(y), width, shift, placed)) return;
  }
}

// Skips the colour mode data, the image resources and the layer and mask
// information, and reads the compression code; false when the file ends first.
bool SkipToPixels(Input& in, std::uint32_t& compression) {
  for (int section = 0; section < 3; ++section) {
    std::uint32_t length = 0;
    if (!in.Long(length) || !in.Skip(length)) return false;
  }
  return in.Word(compression);
}

// Whether the data after the sections could hold the declared picture.
bool CouldHold(const Input& in, std::uint32_t width, std::uint32_t height, std::uint32_t channels,
               std::uint32_t bitsPerChannel) {
  return std::uint64_t{width} * height <= kAlwaysAllocatedPixels ||
         in.Remaining() >= LeastPixelData(width, height, channels, bitsPerChannel);
}

}  // namespace

bool PsdDataCouldHoldPicture(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kHeaderSize || Be16(bytes.data() + 4) != 1) return true;
  Input in(bytes, kHeaderSize);
  std::uint32_t compression = 0;
  SkipToPixels(in, compression);
  const std::uint8_t* h = bytes.data();
  return CouldHold(in, Be32(h + 18), Be32(h + 14), Be16(h + 12), Be16(h + 22));
}

void LoadPSD(Bitmap& bitmap, std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kHeaderSize) throw Error(kInvalidPsd);
  const std::uint8_t* h = bytes.data();
  const bool signature = h[0] == '8' && h[1] == 'B' && h[2] == 'P' && h[3] == 'S';
  const std::uint32_t mode = Be16(h + 24);
  if (!signature || Be16(h + 4) != 1 || Be16(h + 22) != 8 ||
      (mode != kModeRgb && mode != kModeMultichannel))
    throw Error(kInvalidPsd);
  const std::uint32_t channels = Be16(h + 12);
  const std::uint32_t height = Be32(h + 14);
  const std::uint32_t width = Be32(h + 18);
  const std::string size = "(" + std::to_string(width) + " x " + std::to_string(height) + ").";
  if (width == 0 || height == 0) throw Error("The Photoshop picture has no pixels " + size);
  if (!IsAcceptableSize(width, height)) throw Error("The Photoshop picture is too large " + size);

  Input in(bytes, kHeaderSize);
  std::uint32_t compression = 0;
  const bool present = SkipToPixels(in, compression);
  if (!CouldHold(in, width, height, channels, 8))
    throw Error("The Photoshop picture is damaged: its data is far too short for " +
                std::to_string(width) + " x " + std::to_string(height) + " pixels.");

  Bitmap picture(static_cast<int>(width), static_cast<int>(height));
  if (present) {
    if (compression == 0)
      ReadRaw(in, picture, channels);
    else
      ReadRunLength(in, picture, channels);
  }
  bitmap = std::move(picture);
}

void LoadPSD(Bitmap& bitmap, const std::string& fileName) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(fileName);
  LoadPSD(bitmap, bytes);
}

}  // namespace quillo
