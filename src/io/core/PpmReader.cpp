#include "PpmReader.h"

#include "base/Error.h"

namespace quillo {

namespace {

bool IsSpace(std::uint8_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Reads the header's numbers one by one, skipping white space and comments.
class HeaderReader {
 public:
  explicit HeaderReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::int64_t Number() {
    while (pos_ < bytes_.size() && (IsSpace(bytes_[pos_]) || bytes_[pos_] == '#')) {
      if (bytes_[pos_] == '#')
        while (pos_ < bytes_.size() && bytes_[pos_] != '\n' && bytes_[pos_] != '\r') ++pos_;
      else
        ++pos_;
    }
    std::int64_t value = 0;
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && bytes_[pos_] >= '0' && bytes_[pos_] <= '9') {
      value = value * 10 + (bytes_[pos_++] - '0');
      if (value > 1'000'000'000) throw Error(kInvalidPpm);
    }
    if (pos_ == start) throw Error(kInvalidPpm);
    return value;
  }

  // After the last number comes exactly one white-space byte, then the samples.
  std::size_t SamplesStart() {
    if (pos_ >= bytes_.size() || !IsSpace(bytes_[pos_])) throw Error(kInvalidPpm);
    return pos_ + 1;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 2;
};

}  // namespace

Bitmap DecodePpm(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 2 || bytes[0] != 'P' || bytes[1] != '6') throw Error(kInvalidPpm);
  HeaderReader header(bytes);
  const std::int64_t width = header.Number();
  const std::int64_t height = header.Number();
  const std::int64_t maximum = header.Number();
  const std::size_t start = header.SamplesStart();
  if (width == 0 || height == 0 || maximum == 0 || maximum > 255) throw Error(kInvalidPpm);
  if (!IsAcceptableSize(width, height)) throw Error("Picture too large");
  const std::size_t size = static_cast<std::size_t>(width * height * 3);
  if (bytes.size() - start < size) throw Error(kInvalidPpm);

  Bitmap picture(static_cast<int>(width), static_cast<int>(height));
  const std::uint8_t* p = bytes.data() + start;
  const auto level = [maximum](std::uint8_t v) {
    return v >= maximum ? 255 : static_cast<int>((v * 255 + maximum / 2) / maximum);
  };
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x, p += 3)
      picture.At(x, y) = MakePixel(level(p[0]), level(p[1]), level(p[2]));
  return picture;
}

}  // namespace quillo
