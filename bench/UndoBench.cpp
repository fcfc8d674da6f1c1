// Speed of undo and redo: the heaviest steps (a whole displacement field, a
// new face) going back and forth, and what recording adds to a warp stroke
// against the same stroke unrecorded (its drag steps with their squares).
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchModels.h"
#include "effects/core/WarpSteps.h"

namespace quillo {
namespace {

const ApplyMirrorSettings kNoSliders = [](const MirrorSettings&) {};

// A press whose bake changes every element of a full random field.
std::unique_ptr<UndoStep> FullFieldStep(WarpModel& m) {
  FillRandomField(m);
  MirrorWindowRecorder recorder;
  recorder.Begin(m, {});
  m.BeginPress(160, 160, 5);
  m.EndDrag();
  return recorder.End(m, {}, kNoSliders);
}

void BM_UndoRedoWholeField(benchmark::State& state) {
  WarpModel m = Smeared(45);
  const std::unique_ptr<UndoStep> step = FullFieldStep(m);
  for (auto _ : state) {
    step->Undo();
    step->Redo();
    benchmark::DoNotOptimize(m.ShiftX().data());
  }
  state.SetLabel("one undo and one redo");
}
BENCHMARK(BM_UndoRedoWholeField)->Unit(benchmark::kMicrosecond);

void BM_UndoRedoNewFace(benchmark::State& state) {
  WarpModel m = Smeared(45);
  FillRandomField(m);
  MirrorWindowRecorder recorder;
  recorder.Begin(m, {}, true);
  m.SetFacePicture(Noise(400, 300, 7));
  const std::unique_ptr<UndoStep> step = recorder.End(m, {}, kNoSliders);
  for (auto _ : state) {
    step->Undo();
    step->Redo();
    benchmark::DoNotOptimize(m.FaceBitmap().Data());
  }
  state.SetLabel("one undo and one redo");
}
BENCHMARK(BM_UndoRedoNewFace)->Unit(benchmark::kMicrosecond);

// A stroke of 32 drag steps at R = 60, each with the bilinear repaint of its
// square, recorded as one undo step (arg 1) or not (arg 0).
void BM_WarpStroke(benchmark::State& state) {
  const bool recorded = state.range(0) != 0;
  WarpModel m = Smeared(60);
  const std::vector<double> startX = m.ShiftX(), startY = m.ShiftY();
  MirrorWindowRecorder recorder;
  std::size_t bytes = 0;
  for (auto _ : state) {
    if (recorded) recorder.Begin(m, {});
    m.BeginPress(150, 160, 10);
    m.StartDrag();
    for (int i = 0; i < 32; ++i) {
      const Rect square = m.DragStep(150 + (i % 2 ? 4 : -4), 160 + i % 3);
      m.RenderDistorted(square.ClampedTo(kFaceSize, kFaceSize), 1.0, 0.0, 0, 10);
    }
    m.EndDrag();
    if (recorded) {
      const std::unique_ptr<UndoStep> step = recorder.End(m, {}, kNoSliders);
      bytes = step ? step->Bytes() : 0;
      benchmark::DoNotOptimize(step.get());
    }
    benchmark::DoNotOptimize(m.ViewBitmap().Data());
    state.PauseTiming();
    m.SetField(startX, startY);
    state.ResumeTiming();
  }
  state.SetLabel(recorded ? "recorded, " + std::to_string(bytes / 1024) + " KiB" : "unrecorded");
}
BENCHMARK(BM_WarpStroke)->Arg(0)->Arg(1)->ArgName("recorded")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillo
