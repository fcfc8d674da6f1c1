#include "MorphSets.h"

#include "DrawnFace.h"
#include "Photo.h"
#include "io/core/DataFiles.h"

namespace morphgen {

namespace {

using quillo::Bitmap;

Bitmap Astronaut(const std::string& assets) {
  return FaceFrom(assets, quillo::kAstronautFace);
}
Bitmap Cat(const std::string& assets) {
  return FaceFrom(assets, quillo::kCatFace);
}
Bitmap Cameraman(const std::string& assets) {
  return FaceFrom(assets, quillo::kCameramanFace);
}
Bitmap Drawing(const std::string&) {
  return DrawnFace();
}

// Features in 145 x 145 face coordinates, for each face.
// clang-format off
const std::vector<HandLine> kAstronautToCat = {
    // left eye, outer to inner corner
    {{40, 45}, {58, 47}, {21, 50}, {57, 62}},
    // right eye, inner to outer corner
    {{88, 48}, {108, 45}, {98, 71}, {125, 61}},
    // brows
    {{34, 37}, {60, 34}, {18, 38}, {56, 40}},
    {{85, 34}, {111, 38}, {92, 50}, {127, 45}},
    // nose bridge and nostrils
    {{72, 50}, {73, 78}, {78, 46}, {81, 117}},
    {{63, 79}, {82, 80}, {70, 112}, {96, 114}},
    // mouth corners
    {{50, 89}, {100, 88}, {62, 134}, {100, 137}},
    // lower lip to chin
    {{74, 102}, {73, 128}, {81, 137}, {80, 144}},
    // outline: temples to jaw, jaw to chin
    {{28, 50}, {35, 105}, {4, 60}, {8, 125}},
    {{118, 52}, {110, 105}, {140, 72}, {138, 128}},
    {{35, 105}, {72, 130}, {8, 125}, {79, 145}},
    {{110, 105}, {73, 131}, {138, 128}, {82, 146}},
    // hairline
    {{45, 22}, {100, 20}, {40, 5}, {110, 12}},
};

const std::vector<HandLine> kAstronautToCameraman = {
    // her right eye to his visible right eye, her left eye behind his nose
    {{40, 45}, {58, 47}, {84, 64}, {99, 67}},
    {{88, 48}, {108, 45}, {106, 64}, {114, 62}},
    {{34, 37}, {60, 34}, {78, 56}, {102, 58}},
    {{85, 34}, {111, 38}, {104, 57}, {116, 58}},
    {{72, 50}, {73, 78}, {102, 64}, {112, 88}},
    {{63, 79}, {82, 80}, {99, 91}, {108, 90}},
    {{50, 89}, {100, 88}, {92, 102}, {106, 100}},
    {{74, 102}, {73, 128}, {100, 106}, {96, 118}},
    // her cheek to his ear, the far cheek behind the camera
    {{28, 50}, {35, 105}, {42, 48}, {56, 80}},
    {{118, 52}, {110, 105}, {116, 70}, {108, 106}},
    {{35, 105}, {72, 130}, {56, 80}, {95, 118}},
    {{110, 105}, {73, 131}, {108, 106}, {96, 119}},
    {{45, 22}, {100, 20}, {60, 45}, {110, 55}},
    // the hair's edges and top
    {{10, 35}, {22, 80}, {12, 40}, {25, 85}},
    {{138, 40}, {128, 80}, {128, 42}, {121, 62}},
    {{30, 5}, {110, 3}, {30, 20}, {110, 15}},
    // collar
    {{2, 102}, {40, 118}, {22, 84}, {34, 128}},
};

const std::vector<HandLine> kCatToDrawing = {
    {{21, 50}, {57, 62}, {39, 61}, {61, 63}},
    {{98, 71}, {125, 61}, {83, 63}, {105, 61}},
    {{18, 38}, {56, 40}, {37, 51}, {63, 49}},
    {{92, 50}, {127, 45}, {81, 49}, {107, 51}},
    {{78, 46}, {81, 117}, {73, 56}, {72, 88}},
    {{70, 112}, {96, 114}, {64, 88}, {80, 89}},
    {{62, 134}, {100, 137}, {54, 104}, {90, 105}},
    {{81, 137}, {80, 144}, {72, 116}, {71, 134}},
    {{4, 60}, {8, 125}, {27, 56}, {30, 100}},
    {{140, 72}, {138, 128}, {117, 56}, {114, 100}},
    {{8, 125}, {79, 145}, {30, 100}, {71, 134}},
    {{138, 128}, {82, 146}, {114, 100}, {73, 134}},
    {{40, 5}, {110, 12}, {40, 30}, {104, 32}},
};
// clang-format on

}  // namespace

std::vector<MorphSet> MorphSets() {
  return {
      {std::string(quillo::kStartMorphFile), Astronaut, Cat, kAstronautToCat},
      {quillo::ClipartFile("astronaut-cameraman.mph"), Astronaut, Cameraman, kAstronautToCameraman},
      {quillo::ClipartFile("cat-drawing.mph"), Cat, Drawing, kCatToDrawing},
  };
}

}  // namespace morphgen
