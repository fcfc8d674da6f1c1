#pragma once
// Loads the face module (FaceTable.h) once, on its first use, from where
// base/Module.h finds the program's modules (QUILLO_FACE_MODULE names
// another file).
#include <string>

#include "FaceTable.h"

namespace quillo::faces {

inline constexpr const char* kFaceModuleFile = "libquillo_faces.so";

// The module's table, loaded by the first call. Throws quillo::Error, naming
// the module file and the dynamic loader's reason, when it cannot be loaded;
// every later call throws the same.
const FaceTable& Faces();

}  // namespace quillo::faces
