// A soft-edged wipe that paints the second blend face over the first from the
// upper left, then gives the first face back.
#include <cmath>
#include <numbers>
#include <vector>

#include "Framing.h"
#include "Intros.h"
#include "Video.h"
#include "base/Error.h"

namespace videogen {

namespace {

constexpr int kFrames = 75;
constexpr double kSoftness = 0.08;  // half the edge's width, in diagonals
constexpr double kWave = 0.025;     // how far the edge wanders, in diagonals

int Blend(int a, int b, double t) {
  return static_cast<int>(a + (b - a) * t + 0.5);
}

// Each pixel's place along the diagonal from the upper left (0) to the lower
// right (1). The edge runs from upper right to lower left, gently waving like
// a brush stroke.
std::vector<double> PlacesAlong() {
  std::vector<double> places;
  places.reserve(kVideoSide * kVideoSide);
  for (int y = 0; y < kVideoSide; ++y)
    for (int x = 0; x < kVideoSide; ++x)
      places.push_back((x + y + 1.0) / (2.0 * kVideoSide) +
                       kWave * std::sin(3 * std::numbers::pi * (x - y) / kVideoSide));
  return places;
}

// The first face with the second painted over every pixel whose place lies
// before the edge.
quillo::Bitmap Wiped(const quillo::Bitmap& first, const quillo::Bitmap& second,
                     const std::vector<double>& places, double edge) {
  quillo::Bitmap out(kVideoSide, kVideoSide);
  for (std::size_t i = 0; i < places.size(); ++i) {
    const double t = 1 - SmoothStep(edge - kSoftness, edge + kSoftness, places[i]);
    const quillo::Pixel a = first.Data()[i], b = second.Data()[i];
    out.Data()[i] = quillo::MakePixel(Blend(quillo::Red(a), quillo::Red(b), t),
                                      Blend(quillo::Green(a), quillo::Green(b), t),
                                      Blend(quillo::Blue(a), quillo::Blue(b), t));
  }
  return out;
}

}  // namespace

Frames BlendingIntro(const quillo::Bitmap& white, const quillo::Bitmap& black) {
  for (const quillo::Bitmap* face : {&white, &black})
    if (face->Width() != kVideoSide || face->Height() != kVideoSide)
      throw quillo::Error("the blend faces must be 290 x 290");
  // The edge travels from before the first pixel to beyond the last.
  const double start = -kWave - kSoftness, end = 1 + kWave + kSoftness;
  const std::vector<double> places = PlacesAlong();
  Frames frames;
  for (int i = 0; i < kFrames; ++i)
    frames.push_back(
        Framed(Wiped(white, black, places, start + (end - start) * Swell(i, kFrames))));
  return frames;
}

}  // namespace videogen
