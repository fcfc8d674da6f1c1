// Speed of the mirror window's renderer over the whole 320 x 320 frame and of
// the smooth stretch used to place pictures.
#include <benchmark/benchmark.h>

#include <random>

#include "BenchModels.h"
#include "effects/core/WarpModel.h"
#include "skin/core/SmoothDraw.h"

namespace quillo {
namespace {

WarpModel Model(int tag, bool smooth) {
  WarpModel m;
  m.SetFacePicture(Noise(512, 512, 1));
  m.SetMode(tag);
  m.SetSmooth(smooth);
  m.SetCenter(160, 160);
  FillRandomField(m);
  return m;
}

void BM_RenderDistorted(benchmark::State& state) {
  WarpModel m = Model(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    m.RenderDistorted({0, 0, kFaceSize, kFaceSize}, UseSliderValue, UseSliderValue, 10, 10);
    benchmark::DoNotOptimize(m.ViewBitmap().Data());
  }
  state.SetLabel(std::string(state.range(1) ? "bilinear" : "nearest"));
}
// Tag 0 (random field), Horizontal, Vertical, Radial, Squeeze; bilinear and nearest.
BENCHMARK(BM_RenderDistorted)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {1, 0}})
    ->ArgNames({"tag", "smooth"})
    ->Unit(benchmark::kMicrosecond);

void BM_SmoothDraw(benchmark::State& state) {
  const int from = static_cast<int>(state.range(0));
  const int to = static_cast<int>(state.range(1));
  const Bitmap source = Noise(from, from, 3);
  Bitmap canvas(to, to);
  for (auto _ : state) {
    SmoothDraw(canvas, {0, 0, to, to}, source);
    benchmark::DoNotOptimize(canvas.Data());
  }
}
BENCHMARK(BM_SmoothDraw)->Args({145, 290})->Args({512, 320})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillo
