#pragma once
// Reading GEM IMG (GEM raster) pictures: a header of big-endian words, then
// run-length coded scan lines, each holding the rows of its bit planes one
// after the other (ceil(width / 8) bytes each, plane 0 first, plane 0 giving
// the lowest bit of a pixel's colour number).
//
// Taken: 1 to 8 planes. Colours come from an XIMG header's RGB palette
// (components 0 to 1000) when there is one; otherwise one plane is white for
// 0 and black for 1, four planes use the GEM desktop's 16 colours, and other
// plane counts a grey ramp from white (0) to black (all bits set). The 24-plane
// "true colour" files of some programs store chunky bytes in ways that differ
// between them, so they are refused with a clear message.
//
// A vertical replication record may only begin a scan line; a run may go on
// from one plane's row into the next, but not past the end of its scan line.
// Everything is checked against the bytes given; damage throws quillo::Error
// with a sentence for the user, and so does data that ends before the last
// scan line ("ends early"): a half picture is not shown as if it were whole.
// The scan lines are unpacked once before the picture is allocated, so a few
// bytes that claim a huge picture cost no more than their own size.
#include <cstdint>
#include <span>

#include "base/Bitmap.h"

namespace quillo {

// True when the bytes begin with a GEM IMG header (the format has no magic
// number: version 1 or 2, a header of at least 8 words that the bytes hold).
bool LooksLikeGemImg(std::span<const std::uint8_t> bytes);

Bitmap DecodeGemImg(std::span<const std::uint8_t> bytes);

}  // namespace quillo
