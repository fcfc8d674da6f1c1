#pragma once
// One palette for a whole animation, made from the colours of all its frames
// by median cut, and frames turned into indices into it with Floyd-Steinberg
// dithering: what an animated GIF with one colour table needs.
#include <cstdint>
#include <span>
#include <vector>

#include "Bitmap.h"

namespace quillo {

// At most maxColours (1 to 256) colours, their fourth byte 0. Frames with no
// more colours than that get exactly their colours, in order of value; more
// are counted in bins of 5 bits a channel and grouped in boxes of bins,
// split at the pixel median of their widest channel, each giving its mean.
// An empty set of frames gives one black colour.
std::vector<Pixel> MakePalette(std::span<const Bitmap* const> frames, int maxColours = 256);

// Turns frames into palette indices, row by row, spreading each pixel's
// error to its unvisited neighbours. Keeps a cache of the nearest colours,
// so one ditherer should serve all frames of a palette.
class PaletteDitherer {
 public:
  explicit PaletteDitherer(std::vector<Pixel> palette);

  const std::vector<Pixel>& Colours() const { return palette_; }
  // Width x height indices, row after row.
  std::vector<std::uint8_t> Dither(const Bitmap& frame);

 private:
  std::uint8_t Nearest(int red, int green, int blue);

  std::vector<Pixel> palette_;
  std::vector<std::int16_t> nearest_;  // by 24-bit colour, -1 until looked up
};

}  // namespace quillo
