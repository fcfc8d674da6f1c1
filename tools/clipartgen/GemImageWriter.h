#pragma once
// A writer of monochrome GEM IMG files (version 1, one plane): each line is
// coded as runs of white or black bytes and literal byte strings, and a line
// equal to the one before it joins that line's vertical replication.
#include <cstdint>
#include <string>
#include <vector>

namespace clipartgen {

// A one-bit picture: true is black.
struct MonoPicture {
  int width = 0;
  int height = 0;
  std::vector<bool> black;  // row by row

  bool At(int x, int y) const { return black[static_cast<std::size_t>(y) * width + x]; }
};

// The file's bytes.
std::vector<std::uint8_t> EncodeGemImage(const MonoPicture& picture);

// Writes the file; throws quillo::Error when it cannot be written.
void WriteGemImage(const std::string& path, const MonoPicture& picture);

}  // namespace clipartgen
