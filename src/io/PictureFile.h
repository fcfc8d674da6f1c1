#pragma once
// Reading a picture file of any registered format (io/core/PictureFormats.h)
// into a bitmap, by the reader the registry names for the file name's
// extension (io/PictureReaders.h).
#include <cstdint>
#include <span>
#include <string>

#include "base/Bitmap.h"

namespace quillo {

// Decodes picture bytes by the reader of the name's extension. Throws
// quillo::Error "Unknown picture file extension (.EXT)" for an extension
// outside the registry, and an error naming the file for damaged, oversized
// or unreadable pictures.
Bitmap LoadPictureBytes(std::span<const std::uint8_t> bytes, const std::string& name);

// Reads and decodes a file; throws "Cannot open file <path>" when unreadable.
Bitmap LoadPictureFile(const std::string& path);

}  // namespace quillo
