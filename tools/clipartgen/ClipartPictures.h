#pragma once
// The pictures of the clip-art folder: photographs from the assets folder
// and faces drawn here, in each of the formats Quillo reads besides BMP.
#include <string>

namespace clipartgen {

// Writes every picture below data, at the places quillo::GeneratedFilePath
// gives; throws quillo::Error when a photograph or a file fails.
void WriteClipartPictures(const std::string& assets, const std::string& data);

}  // namespace clipartgen
