#pragma once
// Loading and saving BMP files by name, with the file named in every error.
#include <string>

#include "BmpCodec.h"
#include "base/Bitmap.h"

namespace quillo {

// Throws "Cannot open file <path>" or "Bitmap image is not valid: <path>".
Bitmap LoadBitmapFile(const std::string& path);
// The same with the depth the picture was stored at.
BmpPicture LoadBmpPicture(const std::string& path);

// Writes a 24- or 32-bit BMP file, replacing an existing one atomically.
void SaveBitmapFile(const std::string& path, const Bitmap& bitmap, int bitsPerPixel);

}  // namespace quillo
