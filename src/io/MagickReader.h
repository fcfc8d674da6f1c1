#pragma once
// Decoding pictures with ImageMagick (Magick++), one coder named explicitly
// for each format, so that the library never picks a coder of its own from
// the bytes. Its resource limits hold the project's picture limits, and every
// picture's size is checked from its header before the full decode.
#include <cstdint>
#include <span>
#include <string>

#include "base/Bitmap.h"

namespace quillo {

// True when the installed ImageMagick has a reader for the coder ("WMF").
bool MagickCanRead(const std::string& coder);

// The picture the coder ("PNG", "TGA", "PICT", ...) decodes from the bytes:
// the first frame, or the merged picture of a layered one, opaque. Throws
// quillo::Error naming the file for damaged, incomplete or oversized pictures.
Bitmap ReadWithMagick(std::span<const std::uint8_t> bytes, const std::string& coder,
                      const std::string& name);

}  // namespace quillo
