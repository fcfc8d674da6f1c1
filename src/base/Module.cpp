#include "Module.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "Error.h"

namespace quillo {

namespace {

[[noreturn]] void Refuse(const ModuleKind& kind, const std::string& file,
                         const std::string& reason) {
  throw Error("Cannot load the " + std::string(kind.what) + " " + file + ": " + reason + ".");
}

struct ModuleCloser {
  void operator()(void* handle) const { dlclose(handle); }
};

// The places to try, best first; the last is the bare name, for the dynamic
// loader's own search.
std::vector<std::string> Candidates(const ModuleKind& kind) {
  if (const char* forced = std::getenv(kind.environment); forced && *forced) return {forced};
  std::vector<std::string> places;
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const std::filesystem::path folder = program.parent_path();
    places.push_back(folder / kind.file);
    places.push_back(folder / "../lib/quillo" / kind.file);
  }
  if (const std::filesystem::path own = OwnFolder(); !own.empty()) {
    const std::string beside = own / kind.file;
    if (std::find(places.begin(), places.end(), beside) == places.end()) places.push_back(beside);
  }
  places.push_back(kind.file);
  return places;
}

}  // namespace

// Also the place where a module that loads another (the sound module loads
// the synthesiser module) looks first after the program's folder.
std::filesystem::path OwnFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&OwnFolder), &info) == 0 || !info.dli_fname) return {};
  std::error_code error;
  const std::filesystem::path own = std::filesystem::canonical(info.dli_fname, error);
  return error ? std::filesystem::path() : own.parent_path();
}

const void* LoadModuleAt(const ModuleKind& kind, const std::string& path) {
  std::unique_ptr<void, ModuleCloser> module(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
  if (!module) {
    const char* why = dlerror();
    Refuse(kind, path, why ? why : "the dynamic loader gave no reason");
  }
  // Every module's entry has this type, whatever its table.
  using Entry = const void* (*)();
  const auto entry = reinterpret_cast<Entry>(dlsym(module.get(), kind.entry));
  if (!entry) Refuse(kind, path, std::string("it has no function ") + kind.entry);
  const auto* table = static_cast<const int*>(entry());  // a table's version comes first
  if (!table || *table != kind.version)
    Refuse(kind, path,
           "it is of version " + std::to_string(table ? *table : 0) +
               ", this program needs version " + std::to_string(kind.version));
  module.release();  // the table's functions live in it for the rest of the run
  return table;
}

const void* FindModule(const ModuleKind& kind) {
  const std::vector<std::string> places = Candidates(kind);
  std::string reason;
  for (const std::string& place : places) {
    try {
      return LoadModuleAt(kind, place);
    } catch (const Error& e) {
      std::error_code ignored;
      if (reason.empty() && (place == places.back() || std::filesystem::exists(place, ignored)))
        reason = e.what();
    }
  }
  throw Error(reason);
}

FoundModule TryFindModule(const ModuleKind& kind) {
  try {
    return {FindModule(kind), {}};
  } catch (const Error& e) {
    return {nullptr, e.what()};
  }
}

}  // namespace quillo
