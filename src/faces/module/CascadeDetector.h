#pragma once
// The face detector over OpenCV's cascade classifiers (FaceTable.h).
#include "faces/FaceTable.h"

namespace quillo::faces {

std::unique_ptr<FaceDetecting> OpenCascadeDetector(const std::string& cascadeFolder);

}  // namespace quillo::faces
