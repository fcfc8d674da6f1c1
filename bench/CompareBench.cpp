// Quillo's pixel kernels side by side with OpenCV's on the same input, in
// one process: the mirror renderer against cv::remap, the smooth stretch
// against cv::resize and the morph engine against two remaps and a weighted
// sum. The comparison kernels get the maps Quillo computes, as absolute
// float maps built once outside the timed loop (the "with its map" rows
// build them inside). Prints a table of medians and ratios at the end.
//
// OpenCV is linked here only; Quillo itself never uses it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include "BenchModels.h"
#include "effects/core/FullSizeRender.h"
#include "effects/core/MirrorKind.h"
#include "effects/core/MorphDisplay.h"
#include "effects/core/MorphEngine.h"
#include "effects/core/MorphField.h"
#include "effects/core/WarpModel.h"
#include "skin/core/SmoothDraw.h"

namespace quillo {
namespace {

cv::Mat Wrap(Bitmap& b) {
  return cv::Mat(b.Height(), b.Width(), CV_8UC4, b.Data());
}
cv::Mat Wrap(const Bitmap& b) {
  return cv::Mat(b.Height(), b.Width(), CV_8UC4, const_cast<Pixel*>(b.Data()));
}

// ---- the mirror window ----------------------------------------------------

constexpr int kCentreX = 150;
constexpr int kCentreY = 170;
constexpr double kStrength = 0.5;

WarpModel Mirror(int tag, bool smooth) {
  WarpModel m;
  m.SetFacePicture(Noise(512, 512, 1));
  m.SetMode(tag);
  m.SetSmooth(smooth);
  m.SetCenter(kCentreX, kCentreY);
  FillRandomField(m);
  return m;
}

// The places the renderer samples, (x + dx, y + dy), as OpenCV's float maps:
// each mirror's own displacement, so that both sides sample the same places.
constexpr int kSquare = kFaceSize * kFaceSize;
void BuildMap(const WarpModel& m, double s, double b, Rect r, cv::Mat& mapX, cv::Mat& mapY) {
  mapX.create(r.Height(), r.Width(), CV_32FC1);
  mapY.create(r.Height(), r.Width(), CV_32FC1);
  const int cx = m.CenterX(), cy = m.CenterY();
  constexpr int kQuarter = kFaceSize * kFaceSize / 4;
  for (int y = r.top; y < r.bottom; ++y) {
    auto* outX = mapX.ptr<float>(y - r.top);
    auto* outY = mapY.ptr<float>(y - r.top);
    const double row = static_cast<double>((y - cy) * (y - cy) - kQuarter) / kSquare * b;
    for (int x = r.left; x < r.right; ++x) {
      const double column =
          static_cast<double>((x - cx) * (x - cx) - kQuarter) / kFaceSize / kFaceSize * b;
      double dx = 0, dy = 0;
      switch (m.Tag()) {
        case WarpField:
          dx = m.ShiftX()[y * kFaceSize + x] * s;
          dy = m.ShiftY()[y * kFaceSize + x] * s;
          break;
        case Horizontal:
          dx = (x - cx) * row;
          break;
        case Vertical:
          dy = (y - cy) * column;
          break;
        case Squeeze:
          dx = (cx - x) * row;
          dy = (cy - y) * column;
          break;
        default: {
          const double k = b / (0.0001 * ((cx - x) * (cx - x) + (cy - y) * (cy - y)) + 1);
          dx = (cx - x) * k;
          dy = (cy - y) * k;
        }
      }
      outX[x - r.left] = static_cast<float>(x + dx);
      outY[x - r.left] = static_cast<float>(y + dy);
    }
  }
}

constexpr Rect kFull{0, 0, kFaceSize, kFaceSize};

void QuilloMirror(benchmark::State& state, int tag, bool smooth) {
  WarpModel m = Mirror(tag, smooth);
  for (auto _ : state) {
    m.RenderDistorted(kFull, 1.0, kStrength, 0, 10);
    benchmark::DoNotOptimize(m.ViewBitmap().Data());
  }
}

void OpenCvMirror(benchmark::State& state, int tag, bool smooth, bool buildMap) {
  const WarpModel m = Mirror(tag, smooth);
  cv::Mat mapX, mapY, view(kFaceSize, kFaceSize, CV_8UC4);
  BuildMap(m, 1.0, kStrength, kFull, mapX, mapY);
  const cv::Mat face = Wrap(m.FaceBitmap());
  for (auto _ : state) {
    if (buildMap) BuildMap(m, 1.0, kStrength, kFull, mapX, mapY);
    cv::remap(face, view, mapX, mapY, smooth ? cv::INTER_LINEAR : cv::INTER_NEAREST,
              cv::BORDER_CONSTANT, cv::Scalar::all(255));
    benchmark::DoNotOptimize(view.data);
  }
}

// One move of a warp drag at R = 60 and the bilinear repaint of its square.
void QuilloBrushStep(benchmark::State& state) {
  RunDragSteps(state);
}

// The remap of the same square of the same field.
void OpenCvBrushStep(benchmark::State& state) {
  WarpModel m = Smeared(60);
  m.SetMode(WarpField);
  const Rect square = Rect{158 - 60, 160 - 60, 158 + 60, 160 + 60}.ClampedTo(kFaceSize, kFaceSize);
  cv::Mat mapX, mapY, view(square.Height(), square.Width(), CV_8UC4);
  BuildMap(m, 1.0, 0.0, square, mapX, mapY);
  const cv::Mat face = Wrap(m.FaceBitmap());
  for (auto _ : state) {
    cv::remap(face, view, mapX, mapY, cv::INTER_LINEAR, cv::BORDER_CONSTANT, cv::Scalar::all(255));
    benchmark::DoNotOptimize(view.data);
  }
}

// ---- the smooth stretch ---------------------------------------------------

void QuilloStretch(benchmark::State& state, int from, int to) {
  const Bitmap source = Noise(from, from, 3);
  Bitmap canvas(to, to);
  for (auto _ : state) {
    SmoothDraw(canvas, {0, 0, to, to}, source);
    benchmark::DoNotOptimize(canvas.Data());
  }
}

void OpenCvStretch(benchmark::State& state, int from, int to) {
  const Bitmap source = Noise(from, from, 3);
  Bitmap canvas(to, to);
  cv::Mat out = Wrap(canvas);
  for (auto _ : state) {
    cv::resize(Wrap(source), out, out.size(), 0, 0, cv::INTER_LINEAR);
    benchmark::DoNotOptimize(out.data);
  }
}

// ---- the morph engine -----------------------------------------------------

// The whole-pixel places the engine fetches from, for one of the pictures:
// the nodes interpolated along y, then along x, truncated.
void MorphMap(const NodeMaps& nodes, bool second, cv::Mat& mapX, cv::Mat& mapY) {
  mapX.create(kMorphSize, kMorphSize, CV_32FC1);
  mapY.create(kMorphSize, kMorphSize, CV_32FC1);
  const auto& map = second ? nodes.map2 : nodes.map1;
  auto along = [](double a, double b, int s) { return a + (b - a) * (s * 0.0625); };
  for (int y = 0; y < kMorphSize; ++y) {
    const int j = std::min(y / kGridStep, kGridNodes - 2), sy = y - kGridStep * j;
    for (int x = 0; x < kMorphSize; ++x) {
      const int k = std::min(x / kGridStep, kGridNodes - 2), sx = x - kGridStep * k;
      RealPoint p[2];
      for (int e = 0; e < 2; ++e)
        p[e] = {along(map[j][k + e].x, map[j + 1][k + e].x, sy),
                along(map[j][k + e].y, map[j + 1][k + e].y, sy)};
      mapX.at<float>(y, x) = static_cast<float>(std::trunc(along(p[0].x, p[1].x, sx)));
      mapY.at<float>(y, x) = static_cast<float>(std::trunc(along(p[0].y, p[1].y, sx)));
    }
  }
}

void QuilloMorph(benchmark::State& state, int lines, bool enlarge) {
  MorphModel m = RandomMorph(lines);
  Bitmap display(kDisplaySize, kDisplaySize);
  int value = 49;
  for (auto _ : state) {
    if (enlarge)
      ShowMorphFrame(m, value, kSliderMax, display);
    else
      ComputeFrame(m, value, kSliderMax);
    value = 99 - value;
    benchmark::DoNotOptimize(m.FrameBitmap().Data());
  }
}

void OpenCvMorph(benchmark::State& state, int lines, bool enlarge) {
  MorphModel m = RandomMorph(lines);
  MoveLinesInBetween(m, 0.49);
  const NodeMaps nodes =
      ComputeNodeMaps(std::span<const MorphLine>(m.Lines().data(), std::size_t(m.LineCount())));
  cv::Mat x1, y1, x2, y2, warped1, warped2, frame, display(kDisplaySize, kDisplaySize, CV_8UC4);
  MorphMap(nodes, false, x1, y1);
  MorphMap(nodes, true, x2, y2);
  const cv::Mat one = Wrap(m.SourceBitmap1()), two = Wrap(m.SourceBitmap2());
  for (auto _ : state) {
    cv::remap(one, warped1, x1, y1, cv::INTER_NEAREST);
    cv::remap(two, warped2, x2, y2, cv::INTER_NEAREST);
    cv::addWeighted(warped1, 0.51, warped2, 0.49, 0.0, frame);
    if (enlarge) cv::resize(frame, display, display.size(), 0, 0, cv::INTER_LINEAR);
    benchmark::DoNotOptimize(frame.data);
  }
}

// ---- the photo at its own size -------------------------------------------

constexpr int kPhotoW = 4000;
constexpr int kPhotoH = 3000;

const Bitmap& Photo() {
  static const Bitmap photo = Noise(kPhotoW, kPhotoH, 5);
  return photo;
}

WarpModel PhotoModel(int tag) {
  WarpModel m;
  m.SetFacePicture(Photo());
  m.SetMode(tag);
  m.SetCenter(kCentreX, kCentreY);
  if (tag == WarpField) FillRandomField(m);
  return m;
}

// The absolute map of the full-size render (FullSizeRender.h): each photo
// pixel into the face's grid, displaced there, and back.
void BuildPhotoMap(const WarpModel& m, cv::Mat& mapX, cv::Mat& mapY) {
  const Rect fit = FitInFace(kPhotoW, kPhotoH);
  const double rx = static_cast<double>(fit.Width()) / kPhotoW;
  const double ry = static_cast<double>(fit.Height()) / kPhotoH;
  mapX.create(kPhotoH, kPhotoW, CV_32FC1);
  mapY.create(kPhotoH, kPhotoW, CV_32FC1);
  const double cx = m.CenterX(), cy = m.CenterY();
  for (int Y = 0; Y < kPhotoH; ++Y) {
    auto* outX = mapX.ptr<float>(Y);
    auto* outY = mapY.ptr<float>(Y);
    const double gy = fit.top + Y * ry + (ry - 1) / 2;
    for (int X = 0; X < kPhotoW; ++X) {
      const double gx = fit.left + X * rx + (rx - 1) / 2;
      double dx = 0, dy = 0;
      if (m.Tag() == WarpField) {
        const int ix = std::clamp(static_cast<int>(gx), 0, kFaceSize - 2);
        const int iy = std::clamp(static_cast<int>(gy), 0, kFaceSize - 2);
        const double fx = std::clamp(gx - ix, 0.0, 1.0), fy = std::clamp(gy - iy, 0.0, 1.0);
        const auto at = [&](const std::vector<double>& f) {
          const double* r = f.data() + iy * kFaceSize + ix;
          return (r[0] * (1 - fx) + r[1] * fx) * (1 - fy) +
                 (r[kFaceSize] * (1 - fx) + r[kFaceSize + 1] * fx) * fy;
        };
        dx = at(m.ShiftX());
        dy = at(m.ShiftY());
      } else {
        const double k = kStrength / (0.0001 * ((cx - gx) * (cx - gx) + (cy - gy) * (cy - gy)) + 1);
        dx = (cx - gx) * k;
        dy = (cy - gy) * k;
      }
      outX[X] = static_cast<float>((gx + dx - fit.left) / rx + (1 / rx - 1) / 2);
      outY[X] = static_cast<float>((gy + dy - fit.top) / ry + (1 / ry - 1) / 2);
    }
  }
}

void QuilloPhoto(benchmark::State& state, int tag) {
  const WarpModel m = PhotoModel(tag);
  Bitmap out(kPhotoW, kPhotoH);  // allocated outside the loop, as OpenCV's
  for (auto _ : state) {
    RenderFullSizeInto(m, Photo(), 1.0, kStrength, out);
    benchmark::DoNotOptimize(out.Data());
  }
}

void OpenCvPhoto(benchmark::State& state, int tag) {
  const WarpModel m = PhotoModel(tag);
  cv::Mat mapX, mapY, out(kPhotoH, kPhotoW, CV_8UC4);
  BuildPhotoMap(m, mapX, mapY);
  const cv::Mat photo = Wrap(Photo());
  for (auto _ : state) {
    cv::remap(photo, out, mapX, mapY, cv::INTER_LINEAR, cv::BORDER_CONSTANT, cv::Scalar::all(255));
    benchmark::DoNotOptimize(out.data);
  }
}

// ---- the table ------------------------------------------------------------

struct Row {
  std::string work;
  std::string target;  // "1.5x" compares the ratio, "0.4 ms" the time
};

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {"full view, radial mirror, bilinear", "1x"},
      {"  the same, OpenCV building its map", "-"},
      {"full view, radial mirror, nearest", "1x"},
      {"  the same, OpenCV building its map", "-"},
      {"full view, horizontal mirror, bilinear", "1x"},
      {"full view, vertical mirror, bilinear", "1x"},
      {"full view, squeeze mirror, bilinear", "1x"},
      {"full view, random warp field, bilinear", "1x"},
      {"full view, random warp field, nearest", "1x"},
      {"SmoothDraw 145 to 290", "2x"},
      {"SmoothDraw 512 to 320", "2x"},
      {"ComputeFrame, 0 lines", "1x"},
      {"ComputeFrame, 1000 lines", "0.4 ms"},
      {"morph slider step, 15 lines (compute, enlarge)", "0.5 ms"},
      {"warp drag step, R = 60, square bilinear", "0.1 ms"},
      {"photo 4000 x 3000 at its size, radial mirror", "1x"},
      {"photo 4000 x 3000 at its size, random warp field", "1x"},
  };
  return rows;
}

void Register() {
  auto both = [](int row, auto quillo, auto opencv) {
    const std::string name = std::to_string(row);
    benchmark::RegisterBenchmark((name + "/quillo").c_str(), quillo)->UseRealTime();
    benchmark::RegisterBenchmark((name + "/opencv").c_str(), opencv)->UseRealTime();
  };
  auto mirror = [&](int row, int tag, bool smooth, bool buildMap) {
    both(
        row, [=](benchmark::State& s) { QuilloMirror(s, tag, smooth); },
        [=](benchmark::State& s) { OpenCvMirror(s, tag, smooth, buildMap); });
  };
  mirror(0, Radial, true, false);
  mirror(1, Radial, true, true);
  mirror(2, Radial, false, false);
  mirror(3, Radial, false, true);
  mirror(4, Horizontal, true, false);
  mirror(5, Vertical, true, false);
  mirror(6, Squeeze, true, false);
  mirror(7, WarpField, true, false);
  mirror(8, WarpField, false, false);
  auto stretch = [&](int row, int from, int to) {
    both(
        row, [=](benchmark::State& s) { QuilloStretch(s, from, to); },
        [=](benchmark::State& s) { OpenCvStretch(s, from, to); });
  };
  stretch(9, 145, 290);
  stretch(10, 512, 320);
  auto morph = [&](int row, int lines, bool enlarge) {
    both(
        row, [=](benchmark::State& s) { QuilloMorph(s, lines, enlarge); },
        [=](benchmark::State& s) { OpenCvMorph(s, lines, enlarge); });
  };
  morph(11, 0, false);
  morph(12, 1000, false);
  morph(13, 15, true);
  both(14, QuilloBrushStep, OpenCvBrushStep);
  both(
      15, [](benchmark::State& s) { QuilloPhoto(s, Radial); },
      [](benchmark::State& s) { OpenCvPhoto(s, Radial); });
  both(
      16, [](benchmark::State& s) { QuilloPhoto(s, WarpField); },
      [](benchmark::State& s) { OpenCvPhoto(s, WarpField); });
}

// Collects the medians (or the single runs) by benchmark name.
class Collector : public benchmark::BenchmarkReporter {
 public:
  bool ReportContext(const Context&) override { return true; }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      if (run.run_type == Run::RT_Iteration && run.repetitions > 1) continue;
      const double seconds =
          run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      medians[run.run_name.function_name] = seconds * 1e3;
      std::fputc('.', stderr);
    }
  }
  std::map<std::string, double> medians;
};

std::string FirstLine(const char* path, const std::string& key) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(key, 0) == 0) return line.substr(line.find(':') + 2);
  return "?";
}

std::string Load() {
  std::ifstream in("/proc/loadavg");
  std::string a, b, c;
  in >> a >> b >> c;
  return a + " " + b + " " + c;
}

void PrintTable(const Collector& c, const std::string& loadBefore) {
  std::printf("\nprocessor: %s, %u hardware threads; OpenCV %s with %d threads\n",
              FirstLine("/proc/cpuinfo", "model name").c_str(), std::thread::hardware_concurrency(),
              CV_VERSION, cv::getNumThreads());
  std::printf("load average (1, 5, 15 min): %s before, %s after\n", loadBefore.c_str(),
              Load().c_str());
  std::printf("medians of the repetitions, wall-clock time\n\n");
  std::printf("| %-48s | %9s | %9s | %6s | %-16s |\n", "work", "Quillo", "OpenCV", "ratio",
              "target");
  std::printf("|%s|%s|%s|%s|%s|\n", std::string(50, '-').c_str(), std::string(11, '-').c_str(),
              std::string(11, '-').c_str(), std::string(8, '-').c_str(),
              std::string(18, '-').c_str());
  const auto& rows = Rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto q = c.medians.find(std::to_string(i) + "/quillo");
    const auto o = c.medians.find(std::to_string(i) + "/opencv");
    if (q == c.medians.end()) continue;
    if (o == c.medians.end()) {  // filtered out
      std::printf("| %-48s | %6.3f ms | %9s | %6s | %-16s |\n", rows[i].work.c_str(), q->second,
                  "-", "-", rows[i].target.c_str());
      continue;
    }
    const double ratio = q->second / o->second;
    const std::string& target = rows[i].target;
    std::string verdict = target;
    if (target != "-") {
      const double limit = std::stod(target);
      const bool met = target.back() == 'x' ? ratio <= limit : q->second < limit;
      verdict = (target.back() == 'x' ? "<= " : "< ") + target + (met ? " ok" : " MISSED");
    }
    std::printf("| %-48s | %6.3f ms | %6.3f ms | %5.2fx | %-16s |\n", rows[i].work.c_str(),
                q->second, o->second, ratio, verdict.c_str());
  }
}

}  // namespace
}  // namespace quillo

int main(int argc, char** argv) {
  // Defaults for a noisy shared machine: repetitions interleaved at random,
  // so that both sides of a row meet the same load; the median of each.
  std::vector<char*> args(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=9";
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  std::string minTime = "--benchmark_min_time=0.05";
  bool given[3] = {};
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    given[0] |= a.rfind("--benchmark_repetitions", 0) == 0;
    given[1] |= a.rfind("--benchmark_enable_random_interleaving", 0) == 0;
    given[2] |= a.rfind("--benchmark_min_time", 0) == 0;
  }
  if (!given[0]) args.push_back(repetitions.data());
  if (!given[1]) args.push_back(interleave.data());
  if (!given[2]) args.push_back(minTime.data());
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  // QUILLO_THREADS=n gives both sides the same number of threads.
  if (const char* threads = std::getenv("QUILLO_THREADS")) cv::setNumThreads(std::atoi(threads));
  quillo::Register();
  const std::string loadBefore = quillo::Load();
  quillo::Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  quillo::PrintTable(collector, loadBefore);
  benchmark::Shutdown();
  return 0;
}
