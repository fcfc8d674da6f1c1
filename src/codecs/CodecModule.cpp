#include "CodecModule.h"

#include <type_traits>

#include "base/Error.h"
#include "base/Module.h"

namespace quillo::codecs {

namespace {

// The table's version is its first member (base/Module.h).
static_assert(std::is_standard_layout_v<CodecTable>);

constexpr ModuleKind kCodecModule{"codec module", kCodecModuleFile, "QUILLO_CODEC_MODULE",
                                  kCodecTableEntry, kCodecTableVersion};

struct Loaded {
  const CodecTable* table = nullptr;
  std::string error;  // why it could not be loaded
};

Loaded Load() {
  try {
    return {static_cast<const CodecTable*>(FindModule(kCodecModule)), {}};
  } catch (const Error& e) {
    return {nullptr, e.what()};
  }
}

}  // namespace

const CodecTable& LoadCodecModule(const std::string& path) {
  return *static_cast<const CodecTable*>(LoadModuleAt(kCodecModule, path));
}

const CodecTable& Codecs() {
  static const Loaded loaded = Load();
  if (!loaded.table) throw Error(loaded.error);
  return *loaded.table;
}

}  // namespace quillo::codecs
