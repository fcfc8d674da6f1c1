#pragma once
// One palette for a whole animation, made from the colours of all its frames
// by median cut, and frames turned into indices into it with Floyd-Steinberg
// dithering: what an animated GIF with one colour table needs.
#include <cstdint>
#include <span>
#include <utility>
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
// error to its unvisited neighbours. A colour of the palette maps to itself;
// any other to the palette colour nearest to the first colour met in its cell
// of 4 levels a channel, which the spread error then corrects. The cache of
// those answers serves all frames of a palette, so one ditherer should too.
class PaletteDitherer {
 public:
  explicit PaletteDitherer(std::vector<Pixel> palette);

  const std::vector<Pixel>& Colours() const { return palette_; }
  // Width x height indices, row after row.
  std::vector<std::uint8_t> Dither(const Bitmap& frame);

 private:
  std::uint8_t Nearest(int red, int green, int blue);

  std::vector<Pixel> palette_;
  std::vector<std::pair<Pixel, std::uint8_t>> exact_;  // the palette's colours, sorted
  std::vector<std::uint64_t> inPalette_;               // one bit per 24-bit colour
  std::vector<std::int16_t> nearest_;  // by cell of 6 bits a channel, -1 until looked up
};

}  // namespace quillo
