#pragma once
// Reading a picture file of any format the program knows into a bitmap.
#include <span>
#include <string>

#include "base/Bitmap.h"

namespace quillo {

// Decodes picture bytes: BMP by our own reader, other formats by the
// toolkit's image readers. The name only serves the error messages.
// Throws quillo::Error naming the file for unknown formats, damaged or
// oversized pictures.
Bitmap DecodePicture(std::span<const std::uint8_t> bytes, const std::string& name);

// Reads and decodes a file; throws "Cannot open file <path>" when unreadable.
Bitmap LoadPictureFile(const std::string& path);

}  // namespace quillo
