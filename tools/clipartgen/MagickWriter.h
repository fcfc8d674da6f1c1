#pragma once
// Writes pictures with ImageMagick in the formats Quillo reads through it,
// the same pixels always giving the same bytes: no time stamps, no file
// names, one thread.
#include <QImage>
#include <string>

namespace clipartgen {

// Starts ImageMagick; call once before writing.
void StartMagick(const char* program);

// Writes the opaque picture as the coder ("PNG", "JPEG", "GIF", "TGA",
// "PCX", "PSD", "TIFF") makes it; throws quillo::Error when it cannot.
void WriteWithMagick(const std::string& path, const QImage& picture, const std::string& coder);

}  // namespace clipartgen
