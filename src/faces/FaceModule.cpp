#include "FaceModule.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "base/Error.h"

namespace quillo::faces {

namespace {

[[noreturn]] void Refuse(const std::string& file, const std::string& reason) {
  throw Error("Cannot load the face module " + file + ": " + reason + ".");
}

struct ModuleCloser {
  void operator()(void* handle) const { dlclose(handle); }
};

// The places to try, best first; the last is the bare name, for the dynamic
// loader's own search.
std::vector<std::string> Candidates() {
  if (const char* forced = std::getenv("QUILLO_FACE_MODULE"); forced && *forced) return {forced};
  std::vector<std::string> places;
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const std::filesystem::path folder = program.parent_path();
    places.push_back(folder / kFaceModuleFile);
    places.push_back(folder / "../lib/quillo" / kFaceModuleFile);
  }
  places.push_back(kFaceModuleFile);
  return places;
}

const FaceTable& LoadModule(const std::string& path) {
  std::unique_ptr<void, ModuleCloser> module(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
  if (!module) {
    const char* why = dlerror();
    Refuse(path, why ? why : "the dynamic loader gave no reason");
  }
  using Entry = const FaceTable* (*)();
  const auto entry = reinterpret_cast<Entry>(dlsym(module.get(), kFaceTableEntry));
  if (!entry) Refuse(path, std::string("it has no function ") + kFaceTableEntry);
  const FaceTable* table = entry();
  if (!table || table->version != kFaceTableVersion)
    Refuse(path, "it is of version " + std::to_string(table ? table->version : 0) +
                     ", this program needs version " + std::to_string(kFaceTableVersion));
  module.release();  // the table's functions live in it for the rest of the run
  return *table;
}

struct Loaded {
  const FaceTable* table = nullptr;
  std::string error;
};

// The first candidate that loads; otherwise the reason of the first that
// exists but does not load, or of the last.
Loaded Load() {
  const std::vector<std::string> places = Candidates();
  std::string reason;
  for (const std::string& place : places) {
    try {
      return {&LoadModule(place), {}};
    } catch (const Error& e) {
      std::error_code ignored;
      if (reason.empty() && (place == places.back() || std::filesystem::exists(place, ignored)))
        reason = e.what();
    }
  }
  return {nullptr, reason};
}

}  // namespace

const FaceTable& Faces() {
  static const Loaded loaded = Load();
  if (!loaded.table) throw Error(loaded.error);
  return *loaded.table;
}

}  // namespace quillo::faces
