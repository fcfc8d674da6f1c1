// Speed of the blend screen's clone brush: one dab, as every pointer move
// makes it, with a shifted source in the middle of the faces.
#include <benchmark/benchmark.h>

#include "NoisePicture.h"
#include "effects/core/BlendBrush.h"

namespace quillo {
namespace {

// The pointer goes back and forth over the middle of the blend picture; the
// blend picture is put back now and then, before the dabs make it the source.
void BM_BlendDab(benchmark::State& state) {
  const Bitmap start = Noise(kBlendSide, kBlendSide, 1);
  const Bitmap source = Noise(kBlendSide, kBlendSide, 2);
  Bitmap blend = start;
  int step = 0;
  for (auto _ : state) {
    BlendDab(blend, source, step % 2 ? 143 : 147, 145, 30, -20);
    benchmark::DoNotOptimize(blend.Data());
    if (++step % 64 == 0) {
      state.PauseTiming();
      blend = start;
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_BlendDab)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillo
