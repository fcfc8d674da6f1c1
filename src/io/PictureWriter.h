#pragma once
// Writing a picture as BMP, PNG or JPEG: BMP exactly as the bitmap writer
// makes it, PNG and JPEG through the toolkit's image writers, streamed into
// the file without a copy of the picture. The file is always replaced
// atomically.
#include <string>

#include "base/Bitmap.h"
#include "base/FileBytes.h"

namespace quillo {

enum class PictureKind { kBmp, kPng, kJpeg };

// The kind a file's name asks for: ".png", ".jpg" or ".jpeg" in any case;
// BMP for every other name.
PictureKind PictureKindOf(const std::string& path);

// Writes the picture into the file, not yet committed: a 24-bit BMP, a PNG,
// or a JPEG of quality 92. Throws quillo::Error when the toolkit cannot
// encode it or the file cannot take it.
void WritePicture(AtomicFile& file, const Bitmap& bitmap, PictureKind kind);

// WritePicture into a file that then replaces the one at path.
void SavePictureFile(const std::string& path, const Bitmap& bitmap, PictureKind kind);

}  // namespace quillo
