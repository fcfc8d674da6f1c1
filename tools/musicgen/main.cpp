// The music generator: composes Quillo's start-up tune into
// <out>/Resource/start.mid. Usage: musicgen <output folder>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "MidiWriter.h"
#include "Tune.h"
#include "base/FileBytes.h"
#include "io/core/DataFiles.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: musicgen <output folder>\n");
    return 2;
  }
  try {
    const std::string path = quillo::GeneratedFilePath(argv[1], quillo::kStartMusic);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    quillo::WriteFileAtomically(
        path,
        quillo::music::EncodeMidiFile(quillo::music::StartTune(), quillo::music::kTicksPerQuarter));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "musicgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
