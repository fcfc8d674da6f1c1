#pragma once
// Paints every picture of the data folder and writes them as 24-bit BMP files,
// the icons as PNG files.
#include <string>

namespace art {

// Writes the main window's art, the skin sheet, the home picture, the default
// face, the blend screen's two faces and the program's icons below outFolder
// (at the places quillo::GeneratedFilePath gives), creating the folder when
// needed.
void WriteArtFiles(const std::string& assetsFolder, const std::string& outFolder);

}  // namespace art
