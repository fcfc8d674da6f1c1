// Speed of the mirror window while the mouse moves: one step of the warp
// brush with the repaint of its square, the nearest-pixel preview of a
// mirror whose centre is dragged, and the bilinear render once it settles.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "BenchModels.h"
#include "effects/core/WarpModel.h"

namespace quillo {
namespace {

constexpr Rect kWindow{0, 0, kWarpWindowWidth, kWarpWindowHeight};

// One move of a warp drag at R = 60 and the bilinear repaint of its square.
void BM_DragStepWithItsSquare(benchmark::State& state) {
  RunDragSteps(state);
}
BENCHMARK(BM_DragStepWithItsSquare)->Unit(benchmark::kMicrosecond);

const char* KindName(int tag) {
  static const char* const names[] = {"warp field", "horizontal", "vertical", "radial", "squeeze"};
  return names[tag];
}

// The preview while a mirror's centre is dragged: the whole window, nearest
// pixel, the centre a little further on each time.
void BM_CentreDragNearest(benchmark::State& state) {
  WarpModel m = Smeared(45);
  m.SetMode(static_cast<int>(state.range(0)));
  m.SetSmooth(false);
  int step = 0;
  for (auto _ : state) {
    m.SetCenter(120 + step % 80, 130 + (step * 3) % 50);
    ++step;
    m.RenderDistorted(kWindow, 0.0, 0.5, 0, 10);
    benchmark::DoNotOptimize(m.ViewBitmap().Data());
  }
  state.SetLabel(KindName(m.Tag()));
}
BENCHMARK(BM_CentreDragNearest)->DenseRange(1, 4)->ArgName("tag")->Unit(benchmark::kMicrosecond);

// The render once the mouse is released: the whole window, bilinear.
void BM_SettlingBilinear(benchmark::State& state) {
  WarpModel m = Smeared(45);
  m.SetMode(static_cast<int>(state.range(0)));
  m.SetSmooth(true);
  m.SetCenter(150, 170);
  for (auto _ : state) {
    m.RenderDistorted(kWindow, 1.0, 0.5, 0, 10);
    benchmark::DoNotOptimize(m.ViewBitmap().Data());
  }
  state.SetLabel(KindName(m.Tag()));
}
BENCHMARK(BM_SettlingBilinear)->DenseRange(0, 4)->ArgName("tag")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillo
