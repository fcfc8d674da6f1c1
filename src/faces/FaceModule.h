#pragma once
// Loads the face module (FaceTable.h) once, on its first use, from the first
// place that has it: the file QUILLO_FACE_MODULE names, when set (and then
// only there); the program's own folder; ../lib/quillo beside that folder (an
// installed Quillo); the dynamic loader's own search, which finds it for the
// build tree's tests through their RUNPATH.
#include <string>

#include "FaceTable.h"

namespace quillo::faces {

inline constexpr const char* kFaceModuleFile = "libquillo_faces.so";

// The module's table, loaded by the first call. Throws quillo::Error, naming
// the module file and the dynamic loader's reason, when it cannot be loaded;
// every later call throws the same.
const FaceTable& Faces();

}  // namespace quillo::faces
