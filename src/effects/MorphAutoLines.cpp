// Automatic lines: both faces found in the pictures they were loaded from,
// and the same feature lines put on both, replacing every line, as one
// undoable step. The lines are ordinary lines afterwards.
#include <array>

#include "FaceFinder.h"
#include "TMorphForm.h"
#include "base/Error.h"
#include "effects/core/FaceLines.h"
#include "skin/TPaintBox.h"
#include "skin/WaitCursor.h"

namespace quillo {

void TMorphForm::PlaceAutomaticLines() {
  if (!parts_) return;
  if (!faces_) throw Error(kNoFaceDetection);
  if (!faces_->Available()) throw Error(faces_->WhyUnavailable());
  std::array<std::optional<FacePoints>, 2> points;
  {
    const WaitCursor waiting;
    for (const MorphPicture picture : {MorphPicture::One, MorphPicture::Two}) {
      const Bitmap& photo = Morph.Photo(picture);
      if (const std::optional<FaceBoxes> found = faces_->Find(photo))
        points[picture == MorphPicture::One ? 0 : 1] =
            PlaceFacePoints(InMorphFrame(*found, photo.Width(), photo.Height()));
    }
  }
  if (!points[0] && !points[1]) throw Error("No face was found in either picture.");
  if (!points[0]) throw Error("No face was found in picture 1, on the left.");
  if (!points[1]) throw Error("No face was found in picture 2, on the right.");
  Recorded([&] { Morph.SetLines(MatchedLines(*points[0], *points[1])); });
  LinesReplaced();
  parts_->PaintBox1.update();
  parts_->PaintBox2.update();
}

}  // namespace quillo
