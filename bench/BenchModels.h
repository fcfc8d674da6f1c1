#pragma once
// The models the benchmarks share: a smeared warp, a random warp field and a
// morph with a given number of usable lines, all on noise pictures.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "NoisePicture.h"
#include "effects/core/MorphEngine.h"
#include "effects/core/MorphField.h"
#include "effects/core/WarpModel.h"

namespace quillo {

// A face smeared by a few strokes across its middle.
inline WarpModel Smeared(int radius) {
  WarpModel m;
  m.SetFacePicture(Noise(512, 512, 1));
  m.SetBrushRadius(radius);
  for (int y = 100; y <= 220; y += 40) {
    m.BeginPress(40, y, 10);
    m.StartDrag();
    for (int x = 50; x <= 280; x += 10) m.DragStep(x, y + (x % 20) - 5);
    m.EndDrag();
  }
  return m;
}

// A random field of the size warping produces: a few pixels each way.
inline void FillRandomField(WarpModel& m) {
  std::mt19937 random(2);
  std::uniform_real_distribution<double> shift(-12.0, 12.0);
  std::vector<double> shiftX = m.ShiftX(), shiftY = m.ShiftY();
  for (std::size_t i = 0; i < shiftX.size(); ++i) {
    shiftX[i] = shift(random);
    shiftY[i] = shift(random);
  }
  m.SetField(std::move(shiftX), std::move(shiftY));
}

// Times moves of a warp drag at R = 60, each with the bilinear repaint of its
// square. The pointer goes back and forth between two points four pixels
// apart in the middle of the picture; each pair of steps leaves a little of
// the cones' difference behind, so the field is put back now and then.
inline void RunDragSteps(benchmark::State& state) {
  WarpModel m = Smeared(60);
  const std::vector<double> startX = m.ShiftX(), startY = m.ShiftY();
  m.BeginPress(158, 160, 10);
  m.StartDrag();
  int step = 0;
  for (auto _ : state) {
    const Rect square = m.DragStep(step % 2 ? 158 : 162, 160);
    m.RenderDistorted(square.ClampedTo(kFaceSize, kFaceSize), 1.0, 0.0, 0, 10);
    benchmark::DoNotOptimize(m.ViewBitmap().Data());
    if (++step % 128 == 0) {
      state.PauseTiming();
      m.SetField(startX, startY);
      state.ResumeTiming();
    }
  }
}

inline Bitmap MorphFace(int seed) {
  Bitmap b(kMorphSize, kMorphSize);
  for (int y = 0; y < kMorphSize; ++y)
    for (int x = 0; x < kMorphSize; ++x) b.At(x, y) = MakePixel(x * seed, y + seed, x ^ y);
  return b;
}

// A morph with the given number of usable lines spread over the pictures.
inline MorphModel RandomMorph(int lines) {
  MorphModel m;
  m.SetFace(MorphPicture::One, MorphFace(3));
  m.SetFace(MorphPicture::Two, MorphFace(5));
  std::mt19937 random(lines);
  std::uniform_int_distribution<int> coordinate(0, 144);
  while (m.LineCount() < lines) {
    MorphLine l;
    for (RealPoint* p : {&l.Start1, &l.End1, &l.Start2, &l.End2})
      *p = {double(coordinate(random)), double(coordinate(random))};
    if (IsUsable(l)) m.AddLine(l);
  }
  return m;
}

}  // namespace quillo
