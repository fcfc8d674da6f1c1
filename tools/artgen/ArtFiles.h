#pragma once
// Paints every picture of the data folder and writes them as 24-bit BMP files.
#include <string>

namespace art {

// Writes main.bmp, resource.bmp, quillo.bmp, default.bmp, white.bmp and
// black.bmp into <outFolder>/Resource/, creating the folder when needed.
void WriteArtFiles(const std::string& assetsFolder, const std::string& outFolder);

}  // namespace art
