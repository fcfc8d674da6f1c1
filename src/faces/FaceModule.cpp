#include "FaceModule.h"

#include "base/Module.h"

namespace quillo::faces {

namespace {

constexpr ModuleKind kFaceModule{"face module", kFaceModuleFile, "QUILLO_FACE_MODULE",
                                 kFaceTableEntry, kFaceTableVersion};

}  // namespace

const FaceTable& Faces() {
  return ModuleTable<FaceTable>(kFaceModule);
}

}  // namespace quillo::faces
