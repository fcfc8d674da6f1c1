// Speed of the automatic lines' face detection: both faces of a morph found
// by the face module's cascades, as Ctrl+L finds them, once on the start-up
// morph's 145 x 145 faces and once on the two photographs at their own size.
// The module and its cascades are loaded before the timed loop.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchDataFolder.h"
#include "effects/FaceFinder.h"
#include "effects/core/MorphFile.h"
#include "io/PictureFile.h"

namespace quillo {
namespace {

void FindBoth(benchmark::State& state, const Bitmap& one, const Bitmap& two) {
  const std::unique_ptr<FaceFinder> faces = LoadFaceFinder(false);
  if (!faces->Available()) {
    state.SkipWithError(faces->WhyUnavailable().c_str());
    return;
  }
  for (auto _ : state) {
    if (!faces->Find(one).has_value() || !faces->Find(two).has_value()) {
      state.SkipWithError("a face was not found");
      break;
    }
  }
}

void BM_FindStartupFaces(benchmark::State& state) {
  const MorphModel startup = ReadMorphFile(BenchDataFolder() + "/Resource/morph.mph");
  FindBoth(state, startup.Face(MorphPicture::One), startup.Face(MorphPicture::Two));
}
BENCHMARK(BM_FindStartupFaces)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindPhotographFaces(benchmark::State& state) {
  FindBoth(state, LoadPictureFile(QUILLO_SOURCE_DIR "/assets/astronaut.png"),
           LoadPictureFile(QUILLO_SOURCE_DIR "/assets/chelsea.png"));
}
BENCHMARK(BM_FindPhotographFaces)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quillo

BENCHMARK_MAIN();
