#include "FaceLines.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "MorphModel.h"
#include "skin/core/SmoothDraw.h"

namespace quillo {

namespace {

// A point in the face's own frame: the origin halfway between the eyes' centres,
// x along the line from the left eye to the right one, y square to it and
// downwards, both in units of the distance between the eyes.
struct FacePlace {
  double x;
  double y;
};

using FaceTemplate = std::array<FacePlace, kFacePointCount>;

// The usual places of the points on a frontal human face.
constexpr FaceTemplate kHumanTemplate = {{
    {-0.73, 0.0},   {-0.27, 0.0},   {0.27, 0.0},   {0.73, 0.0},    // eyes
    {-0.85, -0.22}, {-0.28, -0.30}, {0.28, -0.30}, {0.85, -0.22},  // brows
    {0.0, 0.0},     {0.0, 0.57},                                   // nose
    {-0.45, 0.88},  {0.45, 0.88},                                  // mouth
    {-0.42, 1.52},  {0.0, 1.68},    {0.42, 1.52},                  // chin
    {-0.82, 1.15},  {0.82, 1.15},                                  // jaw
    {-0.97, 0.35},  {0.97, 0.35},                                  // cheeks
    {-0.95, -0.30}, {0.95, -0.30},                                 // temples
    {-0.95, -1.10}, {0.95, -1.10},                                 // hair above the temples
    {-0.55, -0.58}, {0.55, -0.58},                                 // hairline
}};

// The same points of a cat's face: the brows are the fur's lines above the
// eyes, the temples the sides of the head at the ears' outer base, the crown
// the ears' tips and the hairline their inner base. A cat's eyes slant: the
// outer corners lie higher than the inner ones.
constexpr FaceTemplate kCatTemplate = {{
    {-0.725, -0.05}, {-0.30, 0.08},  {0.30, 0.08},  {0.725, -0.05},  // eyes
    {-0.75, -0.42},  {-0.25, -0.35}, {0.25, -0.35}, {0.75, -0.42},   // brows
    {0.0, 0.10},     {0.0, 0.94},                                    // nose
    {-0.25, 1.10},   {0.25, 1.10},                                   // mouth
    {-0.30, 1.28},   {0.0, 1.36},    {0.30, 1.28},                   // chin
    {-0.85, 1.05},   {0.85, 1.05},                                   // jaw
    {-1.15, 0.40},   {1.15, 0.40},                                   // cheeks
    {-1.05, -0.45},  {1.05, -0.45},                                  // ears' outer base
    {-0.95, -1.30},  {0.95, -1.30},                                  // ears' tips
    {-0.35, -0.80},  {0.35, -0.80},                                  // ears' inner base
}};

// How far each point moves sideways, in units of the turn, when a cat's head
// is turned: the nose and mouth, nearer the camera, move most; the eyes'
// inner corners somewhat, their outer corners a little back; the outline
// not at all.
constexpr std::array<double, kFacePointCount> kTurnShare = {
    -0.3, 0.56, 0.56, -0.3,  // eyes: the far one looks narrower
    0.0,  0.5,  0.5,  0.0,   // brows
    0.46, 1.77,              // nose
    1.5,  1.5,               // mouth
    1.3,  1.4,  1.3,         // chin
    0.5,  0.5,               // jaw
    0.0,  0.0,               // cheeks
    0.0,  0.0,               // temples
    0.0,  0.0,               // hair above the temples
    0.3,  0.3,               // hairline
};

// Where the eyes lie in a face's box, for a face whose eyes were not found:
// the point between them (as parts of the box's width and height) and their
// distance (as a part of its width).
struct BoxProportions {
  double eyesX;
  double eyesY;
  double eyeDistance;
};
constexpr BoxProportions kHumanBox = {0.5, 0.385, 0.42};
constexpr BoxProportions kCatBox = {0.5, 0.424, 0.38};

const BoxProportions& ProportionsOf(FaceKind kind) {
  return kind == FaceKind::Human ? kHumanBox : kCatBox;
}

// The eyes' frame of a face: the point between them, the direction from the
// left eye to the right one (a unit vector) and their distance.
struct EyeFrame {
  RealPoint middle;
  RealPoint along;
  double distance;

  RealPoint At(FacePlace p) const {
    // The y axis is x turned a quarter towards the picture's bottom.
    return {middle.x + distance * (p.x * along.x - p.y * along.y),
            middle.y + distance * (p.x * along.y + p.y * along.x)};
  }
  FacePlace PlaceOf(RealPoint q) const {
    const double dx = (q.x - middle.x) / distance;
    const double dy = (q.y - middle.y) / distance;
    return {dx * along.x + dy * along.y, -dx * along.y + dy * along.x};
  }
};

RealPoint Center(const Box& b) {
  return {b.CenterX(), b.CenterY()};
}

EyeFrame FrameOfEyes(RealPoint left, RealPoint right) {
  const double dx = right.x - left.x;
  const double dy = right.y - left.y;
  const double distance = std::hypot(dx, dy);
  return {
      {(left.x + right.x) / 2, (left.y + right.y) / 2}, {dx / distance, dy / distance}, distance};
}

EyeFrame FrameOfBox(const Box& face, const BoxProportions& p) {
  return {
      {face.x + p.eyesX * face.w, face.y + p.eyesY * face.h}, {1.0, 0.0}, p.eyeDistance * face.w};
}

// The eye pair among the candidates that fits the face best: side by side
// at a plausible distance, of like size, near the eyes' usual places.
std::optional<EyeFrame> EyePair(const FaceBoxes& face) {
  const Box& f = face.face;
  const EyeFrame usual = FrameOfBox(f, ProportionsOf(face.kind));
  const RealPoint usualLeft = usual.At({-0.5, 0.0});
  const RealPoint usualRight = usual.At({0.5, 0.0});
  double best = std::numeric_limits<double>::infinity();
  std::optional<EyeFrame> pair;
  for (const Box& a : face.eyes) {
    for (const Box& b : face.eyes) {
      const RealPoint left = Center(a);
      const RealPoint right = Center(b);
      const double dx = right.x - left.x;
      const double dy = right.y - left.y;
      if (dx < 0.25 * f.w || dx > 0.7 * f.w || std::abs(dy) > 0.4 * dx) continue;
      if (a.w > 1.6 * b.w || b.w > 1.6 * a.w) continue;
      const double cost = std::hypot(left.x - usualLeft.x, left.y - usualLeft.y) +
                          std::hypot(right.x - usualRight.x, right.y - usualRight.y);
      if (cost < 0.35 * f.w && cost < best) {
        best = cost;
        pair = FrameOfEyes(left, right);
      }
    }
  }
  return pair;
}

// One eye near its usual place, the other mirrored across the face's middle.
std::optional<EyeFrame> SingleEye(const FaceBoxes& face) {
  const Box& f = face.face;
  const EyeFrame usual = FrameOfBox(f, ProportionsOf(face.kind));
  for (const double side : {-0.5, 0.5}) {
    const RealPoint expected = usual.At({side, 0.0});
    for (const Box& e : face.eyes) {
      const RealPoint c = Center(e);
      if (std::hypot(c.x - expected.x, c.y - expected.y) > 0.12 * f.w) continue;
      const RealPoint other = {2 * usual.middle.x - c.x, c.y};
      return side < 0 ? FrameOfEyes(c, other) : FrameOfEyes(other, c);
    }
  }
  return std::nullopt;
}

// The mouth's depth below the eyes and its half width, in the eyes' frame,
// from the candidate nearest the mouth's usual place.
struct MouthFit {
  double depth;
  double halfWidth;
};

std::optional<MouthFit> Mouth(const FaceBoxes& face, const EyeFrame& eyes, FacePlace usual) {
  std::optional<MouthFit> best;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (const Box& m : face.mouths) {
    const FacePlace c = eyes.PlaceOf(Center(m));
    if (std::abs(c.x) > 0.3 || c.y < 0.85 * usual.y || c.y > 1.35 * usual.y) continue;
    const double distance = std::hypot(c.x, c.y - usual.y);
    if (distance < bestDistance) {
      bestDistance = distance;
      // A smile's box reaches below the lips and beyond the corners.
      const double half = std::clamp(0.47 * m.w / eyes.distance, 0.3, 0.6);
      best = MouthFit{c.y - 0.12, half};
    }
  }
  return best;
}

// Points beyond the picture's edge are brought onto it, where they can be dragged.
RealPoint InPicture(RealPoint p) {
  const double last = kMorphSize - 1;
  return {std::clamp(p.x, 0.0, last), std::clamp(p.y, 0.0, last)};
}

// How far a cat's head is turned (as kTurnShare counts it), from its
// nostrils, which lie this far above the nose's tip.
constexpr double kNostrilsAboveTip = 0.135;

std::optional<double> CatTurn(const FaceBoxes& face, const EyeFrame& eyes) {
  for (const Box& n : face.noses) {
    const FacePlace at = eyes.PlaceOf(Center(n));
    const double tip = at.y + kNostrilsAboveTip;
    if (std::abs(at.x) < 0.5 && tip > 0.6 && tip < 1.2) return at.x / kTurnShare[kNoseTip];
  }
  return std::nullopt;
}

// The end moved, where needed, so that it differs from the start by at
// least a pixel in x and in y.
double Apart(double start, double end) {
  if (std::abs(end - start) >= 1.0) return end;
  // Where both are equal, towards the picture's middle, so that it stays inside.
  const bool up = end != start ? end > start : start < kMorphSize / 2;
  return start + (up ? 1.0 : -1.0);
}

RealPoint Apart(RealPoint start, RealPoint end) {
  return {Apart(start.x, end.x), Apart(start.y, end.y)};
}

}  // namespace

const std::vector<FeatureLine>& FeatureLines() {
  static const std::vector<FeatureLine> lines = {
      {"left eye", kLeftEyeOuter, kLeftEyeInner},
      {"right eye", kRightEyeInner, kRightEyeOuter},
      {"left brow", kLeftBrowOuter, kLeftBrowInner},
      {"right brow", kRightBrowInner, kRightBrowOuter},
      {"nose", kNoseBridge, kNoseTip},
      {"mouth", kMouthLeft, kMouthRight},
      {"chin, left", kChinLeft, kChinBottom},
      {"chin, right", kChinBottom, kChinRight},
      {"jaw, left", kJawLeft, kChinLeft},
      {"jaw, right", kChinRight, kJawRight},
      {"cheek, left", kCheekLeft, kJawLeft},
      {"cheek, right", kJawRight, kCheekRight},
      {"temple, left", kTempleLeft, kCheekLeft},
      {"temple, right", kCheekRight, kTempleRight},
      {"hair or ear, left", kCrownLeft, kHairlineLeft},
      {"hair or ear, right", kHairlineRight, kCrownRight},
      {"forehead", kHairlineLeft, kHairlineRight},
  };
  return lines;
}

FaceBoxes InMorphFrame(const FaceBoxes& found, int pw, int ph) {
  // CenterDraw's stretch maps picture position p to fit.left + p * fit width / pw.
  const Rect fit = CenterRect(kMorphSize, kMorphSize, pw, ph);
  const double sx = static_cast<double>(fit.Width()) / pw;
  const double sy = static_cast<double>(fit.Height()) / ph;
  const auto map = [&](const Box& b) {
    return Box{fit.left + b.x * sx, fit.top + b.y * sy, b.w * sx, b.h * sy};
  };
  FaceBoxes out{found.kind, map(found.face), {}, {}, {}};
  for (const Box& e : found.eyes) out.eyes.push_back(map(e));
  for (const Box& m : found.mouths) out.mouths.push_back(map(m));
  for (const Box& n : found.noses) out.noses.push_back(map(n));
  return out;
}

FacePoints PlaceFacePoints(const FaceBoxes& face) {
  const bool human = face.kind == FaceKind::Human;
  FaceTemplate places = human ? kHumanTemplate : kCatTemplate;
  EyeFrame eyes = FrameOfBox(face.face, ProportionsOf(face.kind));
  const std::optional<EyeFrame> pair = EyePair(face);
  if (pair)
    eyes = *pair;
  else if (auto single = SingleEye(face))
    eyes = *single;
  if (human) {
    if (const auto mouth = Mouth(face, eyes, places[kMouthLeft])) {
      // The lower face follows the mouth's depth; the corners its width.
      const double stretch = mouth->depth / places[kMouthLeft].y;
      for (FacePlace& p : places)
        if (p.y > 0.5) p.y *= stretch;
      places[kMouthLeft].x = -mouth->halfWidth;
      places[kMouthRight].x = mouth->halfWidth;
    }
  } else if (pair) {
    // Where a cat's head is turned, its nose moves most, and tells how far.
    if (const auto turn = CatTurn(face, eyes)) {
      for (int i = 0; i < kFacePointCount; ++i) places[i].x += *turn * kTurnShare[i];
    }
  }
  FacePoints points;
  for (int i = 0; i < kFacePointCount; ++i) points[i] = eyes.At(places[i]);
  return points;
}

std::vector<MorphLine> MatchedLines(const FacePoints& one, const FacePoints& two) {
  std::vector<MorphLine> lines;
  for (const FeatureLine& f : FeatureLines()) {
    MorphLine line;
    line.Start1 = InPicture(one[f.start]);
    line.End1 = Apart(line.Start1, InPicture(one[f.end]));
    line.Start2 = InPicture(two[f.start]);
    line.End2 = Apart(line.Start2, InPicture(two[f.end]));
    lines.push_back(line);
  }
  return lines;
}

}  // namespace quillo
