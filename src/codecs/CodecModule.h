#pragma once
// Loads the codec module (CodecTable.h) once, on its first use, from the
// places base/Module.h searches; QUILLO_CODEC_MODULE names another file.
// Without the module everything else goes on working.
#include <string>

#include "CodecTable.h"

namespace quillo::codecs {

inline constexpr const char* kCodecModuleFile = "libquillo_codecs.so";

// The module's table, loaded by the first call (any thread). Throws
// quillo::Error, naming the module file and the dynamic loader's reason, when
// it cannot be loaded; every later call throws the same.
const CodecTable& Codecs();

// The table of the module at path, loaded now and kept loaded. Throws
// quillo::Error naming path and the reason.
const CodecTable& LoadCodecModule(const std::string& path);

}  // namespace quillo::codecs
