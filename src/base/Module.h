#pragma once
// Modules of the program's own: shared objects that hold the code over big
// libraries (the codecs, sound, the synthesiser, face detection), loaded on
// first use instead of linked, so that those libraries are mapped only when
// they are needed. A module exports one function, extern "C" const void*
// entry(), that returns its table of functions; the table's first member is
// its version (an int), which must be the program's.
#include <filesystem>
#include <string>
#include <type_traits>

#include "Error.h"

namespace quillo {

struct ModuleKind {
  const char* what;         // "codec module", for messages
  const char* file;         // "libquillo_codecs.so"
  const char* environment;  // the variable that names another file, "QUILLO_CODEC_MODULE"
  const char* entry;        // the exported function
  int version;
};

// The table of the module at path, loaded now and kept loaded for the rest
// of the run. Throws quillo::Error naming what, path and the reason.
const void* LoadModuleAt(const ModuleKind& kind, const std::string& path);

// The table of the first place that has the module: the file the kind's
// environment variable names, when set (and then only there); the program's
// own folder; ../lib/quillo beside that folder (an installed Quillo); the
// folder of the module that asks, when a module loads another; the dynamic
// loader's own search (the build tree's tests, tools and benchmarks find it
// through their RUNPATH). Throws quillo::Error with the reason of the
// first place that has a file that does not load, or of the last.
const void* FindModule(const ModuleKind& kind);

// The folder of the program or module this code is compiled into (a module
// compiles the base's module code itself); empty when it cannot be told.
std::filesystem::path OwnFolder();

// FindModule's table, or why there is none.
struct FoundModule {
  const void* table = nullptr;
  std::string error;
};
FoundModule TryFindModule(const ModuleKind& kind);

// The table of the module, found by the first call for its table type and
// kept; when it cannot be loaded, this and every later call throw
// quillo::Error with the reason.
template <class Table>
const Table& ModuleTable(const ModuleKind& kind) {
  // The version is the table's first member.
  static_assert(std::is_standard_layout_v<Table>);
  static const FoundModule found = TryFindModule(kind);
  if (!found.table) throw Error(found.error);
  return *static_cast<const Table*>(found.table);
}

}  // namespace quillo
