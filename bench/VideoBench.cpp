// The intro video's cost: opening a video, and decoding one 290 x 290 frame
// into a 32-bit bitmap (FFmpeg's decoder and conversion), then painting it.
// Reads the build folder's Resource/video1.avi unless QUILLO_DATA_FOLDER names
// another data folder.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchDataFolder.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "media/VideoDecoder.h"
#include "skin/BitmapImage.h"

namespace quillo {
namespace {

std::string VideoPath() {
  ProgramFolder = BenchDataFolder();
  return DataFile(VideoFile(1));
}

void BM_OpenVideo(benchmark::State& state) {
  const std::string path = VideoPath();
  for (auto _ : state) {
    VideoDecoder decoder(path);
    benchmark::DoNotOptimize(decoder.Info().frames);
  }
}
BENCHMARK(BM_OpenVideo)->Unit(benchmark::kMicrosecond);

// Frames in playing order, wrapping at the end as a looping video does.
void BM_DecodeFrame(benchmark::State& state) {
  VideoDecoder decoder(VideoPath());
  const int frames = decoder.Info().frames;
  int next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(decoder.Frame(next).Data());
    next = (next + 1) % frames;
  }
  state.SetLabel(std::to_string(decoder.Info().width) + " x " +
                 std::to_string(decoder.Info().height));
}
BENCHMARK(BM_DecodeFrame)->Unit(benchmark::kMicrosecond);

// Painting a decoded frame 1:1 into the control's surface.
void BM_PaintFrame(benchmark::State& state) {
  VideoDecoder decoder(VideoPath());
  const Bitmap& frame = decoder.Frame(0);
  QImage surface(frame.Width(), frame.Height(), QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&surface);
    painter.drawImage(0, 0, WrapImage(frame));
  }
}
BENCHMARK(BM_PaintFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillo

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  try {
    benchmark::RunSpecifiedBenchmarks();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "VideoBench: %s\n", e.what());
    return 1;
  }
  return 0;
}
