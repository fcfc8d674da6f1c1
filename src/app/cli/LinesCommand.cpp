// `quillo lines`: two faces fitted into 145 x 145 as the Load buttons fit
// them, matching lines placed on their features, written as a morph file.
#include <array>
#include <cstdio>
#include <memory>

#include "Commands.h"
#include "app/core/Arguments.h"
#include "base/Error.h"
#include "effects/FaceFinder.h"
#include "effects/core/FaceLines.h"
#include "effects/core/MorphFile.h"
#include "io/PictureFile.h"

namespace quillo {

int RunLinesCommand(const QStringList& args) {
  try {
    std::vector<std::string> words;
    for (const QString& a : args) words.push_back(a.toStdString());
    const Arguments parsed = ParseArguments(words, {}, {});
    if (parsed.positional.size() != 3) throw Error("lines needs FACE1 FACE2 OUT.mph");
    const std::unique_ptr<FaceFinder> faces = LoadFaceFinder(false);
    if (!faces->Available()) throw Error(faces->WhyUnavailable());
    MorphModel morph;
    std::array<FacePoints, 2> points;
    for (int i = 0; i < 2; ++i) {
      const std::string& path = parsed.positional[i];
      const Bitmap picture = LoadPictureFile(path);
      const std::optional<FaceBoxes> found = faces->Find(picture);
      if (!found) throw Error("no face found in " + path);
      points[i] = PlaceFacePoints(InMorphFrame(*found, picture.Width(), picture.Height()));
      morph.ReplaceFace(i == 0 ? MorphPicture::One : MorphPicture::Two, picture);
    }
    morph.SetLines(MatchedLines(points[0], points[1]));
    WriteMorphFile(parsed.positional[2], morph);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quillo lines: %s\n", e.what());
    return kExitBadInput;
  }
}

}  // namespace quillo
