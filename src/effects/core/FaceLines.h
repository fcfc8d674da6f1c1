#pragma once
// Automatic control lines: the boxes a face detector found (FaceBoxes.h)
// turned into one fixed, ordered list of feature lines, so that line i of one
// face and line i of another lie on the same feature. Human and cat faces give
// the same list: a cat's features are paired with the human ones they match
// (its ears' inner edges with the hair above the temples).
#include <array>
#include <string_view>
#include <vector>

#include "FaceBoxes.h"
#include "MorphLine.h"

namespace quillo {

// The points the lines join, in the picture's pixels. "Left" is the
// picture's left.
enum FacePoint {
  kLeftEyeOuter,
  kLeftEyeInner,
  kRightEyeInner,
  kRightEyeOuter,
  kLeftBrowOuter,
  kLeftBrowInner,
  kRightBrowInner,
  kRightBrowOuter,
  kNoseBridge,
  kNoseTip,
  kMouthLeft,
  kMouthRight,
  kChinLeft,
  kChinBottom,
  kChinRight,
  kJawLeft,
  kJawRight,
  kCheekLeft,
  kCheekRight,
  kTempleLeft,  // a cat's: the ear's inner base
  kTempleRight,
  kCrownLeft,  // a cat's: the ear's tip
  kCrownRight,
  kHairlineLeft,
  kHairlineRight,
  kFacePointCount
};

using FacePoints = std::array<RealPoint, kFacePointCount>;

// One feature line: its name and the points it joins.
struct FeatureLine {
  std::string_view name;
  FacePoint start;
  FacePoint end;
};

// The lines in their order: each eye, each brow, the nose, the mouth, the
// chin and jaw, the cheeks, the hair (or ears) and the forehead.
const std::vector<FeatureLine>& FeatureLines();

// Where a picture of pw x ph found boxes lie once CenterDraw has fitted the
// picture into the 145 x 145 face.
FaceBoxes InMorphFrame(const FaceBoxes& found, int pw, int ph);

// The feature points of a face: the eye pair and the mouth taken from the
// candidates where they fit the face, the rest from the face's usual
// proportions, all turned with the line through the eyes.
FacePoints PlaceFacePoints(const FaceBoxes& face);

// The feature lines of both faces as morph lines, in FeatureLines' order:
// Start1/End1 on face one, Start2/End2 on face two. Every line's ends differ
// by at least a pixel in x and in y in both pictures, so the engine uses it.
std::vector<MorphLine> MatchedLines(const FacePoints& one, const FacePoints& two);

}  // namespace quillo
