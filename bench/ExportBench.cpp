// The video export a user waits for: the 52 frames of a 320 x 320 Warping
// view, each rendered as the save dialog renders it and compressed with
// Motion JPEG into an AVI file, from the first render to the renamed file.
// The face is the build folder's Clipart/Astronaut.png (QUILLO_DATA_FOLDER
// names another data folder).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchDataFolder.h"
#include "effects/core/WarpModel.h"
#include "io/PictureFile.h"
#include "io/VideoExport.h"

namespace quillo {
namespace {

// A face smeared by a few strokes, as a user leaves it before saving.
WarpModel SmearedFace() {
  WarpModel model;
  model.SetFacePicture(LoadPictureFile(BenchDataFolder() + "Clipart/Astronaut.png"));
  model.SetBrushRadius(45);
  model.SetBrushStrength(0.25);
  for (int stroke = 0; stroke < 4; ++stroke) {
    model.BeginPress(100 + 30 * stroke, 120, 10);
    model.StartDrag();
    for (int step = 1; step <= 8; ++step)
      model.DragStep(100 + 30 * stroke + 4 * step, 120 + 6 * step);
    model.EndDrag();
  }
  model.SetMode(WarpField);
  model.SetSmooth(true);
  return model;
}

void BM_ExportWarpVideo(benchmark::State& state) {
  WarpModel model = SmearedFace();
  QTemporaryDir folder;
  const std::string path = folder.filePath("export.avi").toStdString();
  for (auto _ : state) {
    WriteEffectVideo(path, kFaceSize, kFaceSize, VideoCodec{}, [&](int position) -> const Bitmap& {
      model.RenderDistorted({0, 0, kFaceSize, kFaceSize}, position * 0.01, 0.0, 0, 0);
      return model.ViewBitmap();
    });
  }
}
BENCHMARK(BM_ExportWarpVideo)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quillo

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);  // the picture readers need it
  benchmark::Initialize(&argc, argv);
  try {
    benchmark::RunSpecifiedBenchmarks();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ExportBench: %s\n", e.what());
    return 1;
  }
  return 0;
}
