#include "GemImageWriter.h"

#include <algorithm>

#include "base/Error.h"
#include "base/FileBytes.h"

namespace clipartgen {

namespace {

constexpr int kMicrons = 85;       // about 300 pixels an inch
constexpr int kMaxSolidRun = 127;  // a solid run's count lies in 7 bits
constexpr int kMaxLiteral = 255;
constexpr int kMaxReplication = 255;

void PutWord(std::vector<std::uint8_t>& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value >> 8));
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

// The line packed eight pixels a byte, the leftmost in the top bit.
std::vector<std::uint8_t> PackLine(const MonoPicture& picture, int y) {
  std::vector<std::uint8_t> line((picture.width + 7) / 8, 0);
  for (int x = 0; x < picture.width; ++x)
    if (picture.At(x, y)) line[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
  return line;
}

// Solid runs for bytes all white or all black, literal strings for the rest.
void EncodeLine(const std::vector<std::uint8_t>& line, std::vector<std::uint8_t>& out) {
  std::size_t i = 0;
  while (i < line.size()) {
    const std::uint8_t b = line[i];
    if (b == 0x00 || b == 0xFF) {
      std::size_t run = 1;
      while (i + run < line.size() && line[i + run] == b && run < kMaxSolidRun) ++run;
      out.push_back(static_cast<std::uint8_t>((b == 0xFF ? 0x80 : 0x00) | run));
      i += run;
      continue;
    }
    std::size_t end = i + 1;
    while (end < line.size() && end - i < kMaxLiteral && line[end] != 0x00 && line[end] != 0xFF)
      ++end;
    out.push_back(0x80);
    out.push_back(static_cast<std::uint8_t>(end - i));
    out.insert(out.end(), line.begin() + static_cast<std::ptrdiff_t>(i),
               line.begin() + static_cast<std::ptrdiff_t>(end));
    i = end;
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeGemImage(const MonoPicture& picture) {
  if (picture.width <= 0 || picture.height <= 0 || picture.width > 0x7FFF ||
      picture.height > 0x7FFF)
    throw quillo::Error("A GEM image must be 1 to 32767 pixels in each direction");
  std::vector<std::uint8_t> out;
  // The header: version, length in words, planes, pattern length, pixel
  // width and height in microns, width and height in pixels.
  for (int word : {1, 8, 1, 1, kMicrons, kMicrons, picture.width, picture.height})
    PutWord(out, word);
  int y = 0;
  while (y < picture.height) {
    const std::vector<std::uint8_t> line = PackLine(picture, y);
    int copies = 1;
    while (y + copies < picture.height && copies < kMaxReplication &&
           PackLine(picture, y + copies) == line)
      ++copies;
    if (copies > 1) {
      // The next line is shown `copies` times.
      out.insert(out.end(), {0x00, 0x00, 0xFF, static_cast<std::uint8_t>(copies)});
    }
    EncodeLine(line, out);
    y += copies;
  }
  return out;
}

void WriteGemImage(const std::string& path, const MonoPicture& picture) {
  quillo::WriteFileAtomically(path, EncodeGemImage(picture));
}

}  // namespace clipartgen
