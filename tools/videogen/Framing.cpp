#include "Framing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "Video.h"
#include "base/Error.h"

namespace videogen {

namespace {

using quillo::Pixel;

struct Colour {
  double r, g, b;
};

// The window art's colours.
constexpr Colour kGroundLight{30, 110, 190};
constexpr Colour kGroundDeep{0, 30, 72};
constexpr Colour kGoldLight{255, 238, 150};
constexpr Colour kGoldDeep{150, 92, 0};

// The picture's circle and the rim around it, in pixels from the middle.
constexpr double kPictureRadius = 137.0;
constexpr double kRimWidth = 3.5;

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scaled(Colour c, double k) {
  return {c.r * k, c.g * k, c.b * k};
}

// How much of a pixel at distance d inside an edge (negative: outside) is
// covered, with one pixel of smoothing.
double Inside(double d) {
  return std::clamp(d + 0.5, 0.0, 1.0);
}

// What the frame adds to each pixel: the ground and rim as they show through,
// and the share of the picture.
struct Layer {
  Colour ground;
  double picture;
};

std::vector<Layer> Layers() {
  std::vector<Layer> layers;
  layers.reserve(kVideoSide * kVideoSide);
  const double middle = kVideoSide / 2.0;
  const double corner = middle * std::numbers::sqrt2;
  const double rimOuter = kPictureRadius + kRimWidth;
  for (int y = 0; y < kVideoSide; ++y) {
    for (int x = 0; x < kVideoSide; ++x) {
      const double dx = x + 0.5 - middle, dy = y + 0.5 - middle;
      const double r = std::sqrt(dx * dx + dy * dy);
      // The ground glows in the middle and darkens in the shadow of the rim.
      Colour c = Mix(kGroundLight, kGroundDeep, SmoothStep(0, corner, r));
      c = Scaled(c, 1 - 0.5 * (1 - SmoothStep(rimOuter, rimOuter + 9, r)));
      // The rim: lit from the upper left.
      const double light = r > 0 ? (1 - (dx + dy) / (r * std::numbers::sqrt2)) / 2 : 0.5;
      c = Mix(c, Mix(kGoldDeep, kGoldLight, light), Inside(rimOuter - r));
      // The picture, a little darker towards its edge for depth.
      const double inside = Inside(kPictureRadius - r);
      const double edge = 1 - 0.22 * SmoothStep(kPictureRadius - 22, kPictureRadius, r);
      layers.push_back({Scaled(c, 1 - inside), inside * edge});
    }
  }
  return layers;
}

}  // namespace

quillo::Bitmap Framed(const quillo::Bitmap& picture) {
  if (picture.Width() != kVideoSide || picture.Height() != kVideoSide)
    throw quillo::Error("an intro frame is drawn from a 290 x 290 picture");
  static const std::vector<Layer> kLayers = Layers();
  quillo::Bitmap out(kVideoSide, kVideoSide);
  const Pixel* in = picture.Data();
  Pixel* o = out.Data();
  for (std::size_t i = 0; i < kLayers.size(); ++i) {
    const Layer& l = kLayers[i];
    const Pixel p = in[i];
    // Each channel is a blend of two bytes, so it stays within 0 to 255.
    o[i] = quillo::MakePixel(static_cast<int>(l.ground.r + l.picture * quillo::Red(p) + 0.5),
                             static_cast<int>(l.ground.g + l.picture * quillo::Green(p) + 0.5),
                             static_cast<int>(l.ground.b + l.picture * quillo::Blue(p) + 0.5));
  }
  return out;
}

}  // namespace videogen
