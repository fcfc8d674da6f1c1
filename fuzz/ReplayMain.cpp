// Runs a fuzz target without libFuzzer, so that its corpus can be replayed as
// an ordinary test: every file named on the command line, and every file in
// the folders named there, goes once through LLVMFuzzerTestOneInput, in order
// of path. A target's failed check aborts and so fails the run; a missing
// input or an empty list fails it too, so that a test never passes by
// replaying nothing.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Defined only by targets that set something up before the first input.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

// The files of the paths given, folders searched recursively; false when a
// path is neither a file nor a folder.
bool CollectInputs(int argc, char** argv, std::vector<fs::path>& files) {
  for (int i = 1; i < argc; ++i) {
    const fs::path path = argv[i];
    std::error_code error;
    if (fs::is_directory(path, error)) {
      for (const fs::directory_entry& entry : fs::recursive_directory_iterator(path))
        if (entry.is_regular_file()) files.push_back(entry.path());
    } else if (fs::is_regular_file(path, error)) {
      files.push_back(path);
    } else {
      std::fprintf(stderr, "no such input: %s\n", argv[i]);
      return false;
    }
  }
  std::sort(files.begin(), files.end());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> files;
  if (!CollectInputs(argc, argv, files)) return 2;
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s FILE_OR_FOLDER... (no inputs found)\n", argv[0]);
    return 2;
  }
  if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
  for (const fs::path& file : files) {
    // Named before it runs, so that a crash shows which input caused it.
    std::printf("%s\n", file.c_str());
    std::fflush(stdout);
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    if (!in.is_open() || in.bad()) {
      std::fprintf(stderr, "cannot read %s\n", file.c_str());
      return 2;
    }
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  std::printf("%zu inputs replayed\n", files.size());
  return 0;
}
