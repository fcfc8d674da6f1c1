#pragma once
// Reading a picture file of any registered format (io/core/PictureFormats.h)
// into a bitmap. The reader is chosen by the file name's extension: our BMP
// reader (run-length bitmaps and icons: the toolkit's), ImageMagick for the
// metafiles, and the picture readers of io/PictureReaders.h for the rest.
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
