#pragma once
// What a face detector reports of one picture: the face's box and the boxes
// of the features it found inside, in the picture's own pixels. Shared by the
// toolkit-free line placement (FaceLines.h) and the detector module.
#include <vector>

namespace quillo {

// A rectangle in picture pixels, x the column and y the row of its top-left corner.
struct Box {
  double x = 0.0;
  double y = 0.0;
  double w = 0.0;
  double h = 0.0;

  double CenterX() const { return x + w / 2; }
  double CenterY() const { return y + h / 2; }
  bool operator==(const Box&) const = default;
};

// A human face, or a cat's.
enum class FaceKind { Human, Cat };

struct FaceBoxes {
  FaceKind kind = FaceKind::Human;
  Box face;
  // Candidates, in no particular order: eyes found in the face's upper half,
  // mouths (smiles) in its lower third, a cat's nostrils above its nose's
  // tip. Any may be empty.
  std::vector<Box> eyes;
  std::vector<Box> mouths;
  std::vector<Box> noses;
};

}  // namespace quillo
