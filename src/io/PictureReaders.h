#pragma once
// The readers of the registered formats, each format's named by its registry
// entry (io/core/PictureFormats.h): our BMP reader (run-length bitmaps: the
// toolkit's), the toolkit's icon reader, ImageMagick for the metafiles and
// most others, Ghostscript for EPS, our own decoders for MacPaint, GEM IMG and
// grey TGA pictures with alpha.
#include <cstdint>
#include <span>
#include <string>

#include "base/Bitmap.h"
#include "io/core/PictureFormats.h"

namespace quillo {

// Decodes the bytes by the format's reader. Throws quillo::Error with one
// sentence naming the file when the picture cannot be read, and one saying so
// for the formats no reader on this system takes.
Bitmap DecodeByPictureReader(std::span<const std::uint8_t> bytes, const PictureFormat& format,
                             const std::string& name);

}  // namespace quillo
