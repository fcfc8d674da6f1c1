#pragma once
// The bounding box an EPS file declares in its %%BoundingBox comment, read
// before the file is drawn so that oversized pictures are refused first.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quillo {

struct EpsBox {
  double left = 0, bottom = 0, right = 0, top = 0;  // in points
};

// The box of the PostScript section (after the binary header of a DOS EPS
// file). A box "(atend)" is taken from the last %%BoundingBox comment.
// Empty when the file has no well-formed box.
std::optional<EpsBox> FindEpsBoundingBox(std::span<const std::uint8_t> bytes);

// The PostScript section with a box "(atend)" of its header replaced by the
// box of its trailer, for Ghostscript, which crops only to a box in the
// header; empty when the file needs no change.
std::optional<std::vector<std::uint8_t>> EpsWithBoxInHeader(std::span<const std::uint8_t> bytes);

// The picture's size in pixels drawn at 72 dots per inch: the whole points
// the box touches. Not negative.
std::int64_t EpsPixelsAcross(const EpsBox& box);
std::int64_t EpsPixelsDown(const EpsBox& box);

}  // namespace quillo
