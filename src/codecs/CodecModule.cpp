#include "CodecModule.h"

#include "base/Error.h"
#include "base/Module.h"

namespace quillo::codecs {

namespace {

constexpr ModuleKind kCodecModule{"codec module", kCodecModuleFile, "QUILLO_CODEC_MODULE",
                                  kCodecTableEntry, kCodecTableVersion};

}  // namespace

const CodecTable& LoadCodecModule(const std::string& path) {
  return *static_cast<const CodecTable*>(LoadModuleAt(kCodecModule, path));
}

const CodecTable& Codecs() {
  return ModuleTable<CodecTable>(kCodecModule);
}

}  // namespace quillo::codecs
