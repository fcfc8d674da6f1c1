// The sound generator: synthesises Quillo's wave cues into <out>/Resource/.
// Usage: soundgen <output folder>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "Cues.h"
#include "WavWriter.h"
#include "base/FileBytes.h"
#include "io/core/DataFiles.h"

namespace {

void WriteCues(const std::string& outFolder, const std::vector<quillo::sound::Cue>& cues) {
  for (const quillo::sound::Cue& cue : cues) {
    const std::string path = quillo::GeneratedFilePath(outFolder, cue.file);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    quillo::WriteFileAtomically(path, quillo::sound::EncodeWav(cue.samples));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: soundgen <output folder>\n");
    return 2;
  }
  try {
    WriteCues(argv[1], quillo::sound::EventCues());
    WriteCues(argv[1], quillo::sound::HoverCues());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "soundgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
