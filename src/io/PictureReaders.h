#pragma once
// The picture readers of the registered formats that neither our BMP reader
// nor the toolkit takes: ImageMagick for most, Ghostscript for EPS, our own
// decoders for MacPaint and GEM IMG.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/Bitmap.h"

namespace quillo {

// Decodes the bytes by the reader of one of these formats (its extension in
// lower case, without the dot). Throws quillo::Error with one
// sentence naming the file when the picture cannot be read, and one saying so
// for the formats no reader on this system takes.
Bitmap DecodeByPictureReader(std::span<const std::uint8_t> bytes, std::string_view extension,
                             const std::string& name);

}  // namespace quillo
