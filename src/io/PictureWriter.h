#pragma once
// Writing a picture as BMP, PNG or JPEG: BMP exactly as the bitmap writer
// makes it, PNG and JPEG through the toolkit's image writers. The file is
// always replaced atomically.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Bitmap.h"

namespace quillo {

enum class PictureKind { kBmp, kPng, kJpeg };

// The kind a file's name asks for: ".png", ".jpg" or ".jpeg" in any case;
// BMP for every other name.
PictureKind PictureKindOf(const std::string& path);

// The picture's file bytes: a 24-bit BMP, a PNG, or a JPEG of quality 92.
// Throws quillo::Error when the toolkit cannot encode it.
std::vector<std::uint8_t> EncodePicture(const Bitmap& bitmap, PictureKind kind);

// Encodes and writes the file through WriteFileAtomically.
void SavePictureFile(const std::string& path, const Bitmap& bitmap, PictureKind kind);

}  // namespace quillo
