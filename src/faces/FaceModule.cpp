#include "FaceModule.h"

#include <type_traits>

#include "base/Error.h"
#include "base/Module.h"

namespace quillo::faces {

namespace {

// The table's version is its first member (base/Module.h).
static_assert(std::is_standard_layout_v<FaceTable>);

constexpr ModuleKind kFaceModule{"face module", kFaceModuleFile, "QUILLO_FACE_MODULE",
                                 kFaceTableEntry, kFaceTableVersion};

struct Loaded {
  const FaceTable* table = nullptr;
  std::string error;  // why it could not be loaded
};

Loaded Load() {
  try {
    return {static_cast<const FaceTable*>(FindModule(kFaceModule)), {}};
  } catch (const Error& e) {
    return {nullptr, e.what()};
  }
}

}  // namespace

const FaceTable& Faces() {
  static const Loaded loaded = Load();
  if (!loaded.table) throw Error(loaded.error);
  return *loaded.table;
}

}  // namespace quillo::faces
