#pragma once
// Loads the codec module (CodecTable.h) once, on its first use, from the
// first place that has it: the file QUILLO_CODEC_MODULE names, when set (and
// then only there); the program's own folder; ../lib/quillo beside that
// folder (an installed Quillo); the dynamic loader's own search, which finds
// it for the build tree's tests, tools and benchmarks through their RUNPATH.
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
