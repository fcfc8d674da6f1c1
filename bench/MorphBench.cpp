// Speed of the morph engine, the morph file, the display's enlargement and
// the search for the line under the pointer.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "BenchModels.h"
#include "base/FileBytes.h"
#include "effects/core/LineEditing.h"
#include "effects/core/MorphDisplay.h"
#include "effects/core/MorphEngine.h"
#include "effects/core/MorphFile.h"
#include "skin/core/SmoothDraw.h"

namespace quillo {
namespace {

void BM_ComputeFrame(benchmark::State& state) {
  MorphModel m = RandomMorph(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ComputeFrame(m, 50, 100);
    benchmark::DoNotOptimize(m.FrameBitmap().Data());
  }
}
BENCHMARK(BM_ComputeFrame)->Arg(0)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_ParseMorphFile(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = EncodeMorphFile(RandomMorph(20));
  for (auto _ : state) benchmark::DoNotOptimize(ParseMorphFile(bytes).LineCount());
}
BENCHMARK(BM_ParseMorphFile)->Unit(benchmark::kMicrosecond);

void BM_EncodeMorphFile(benchmark::State& state) {
  const MorphModel m = RandomMorph(20);
  for (auto _ : state) benchmark::DoNotOptimize(EncodeMorphFile(m).data());
}
BENCHMARK(BM_EncodeMorphFile)->Unit(benchmark::kMicrosecond);

std::string BenchFile() {
  return (std::filesystem::temp_directory_path() /
          ("morphbench-" + std::to_string(::getpid()) + ".mph"))
      .string();
}

// Writing includes the flush to disk that makes the save safe.
void BM_WriteMorphFile(benchmark::State& state) {
  const MorphModel m = RandomMorph(20);
  const std::string path = BenchFile();
  for (auto _ : state) WriteMorphFile(path, m);
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriteMorphFile)->Unit(benchmark::kMicrosecond);

void BM_ReadMorphFile(benchmark::State& state) {
  const std::string path = BenchFile();
  WriteMorphFile(path, RandomMorph(20));
  for (auto _ : state) benchmark::DoNotOptimize(ReadMorphFile(path).LineCount());
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadMorphFile)->Unit(benchmark::kMicrosecond);

void BM_SmoothDrawFrameToDisplay(benchmark::State& state) {
  const Bitmap frame = MorphFace(7);
  Bitmap display(kDisplaySize, kDisplaySize);
  for (auto _ : state) {
    SmoothDraw(display, {0, 0, kDisplaySize, kDisplaySize}, frame);
    benchmark::DoNotOptimize(display.Data());
  }
}
BENCHMARK(BM_SmoothDrawFrameToDisplay)->Unit(benchmark::kMicrosecond);

// The pointer over empty space: every line's two ends are looked at.
void BM_LineNear(benchmark::State& state) {
  const MorphModel m = RandomMorph(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(LineNear(m, MorphPicture::One, -50, -50));
}
BENCHMARK(BM_LineNear)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillo
