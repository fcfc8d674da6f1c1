#pragma once
// The morphs the data folder ships: which faces, and the control lines placed
// by hand on matching features of both.
#include <functional>
#include <string>
#include <vector>

#include "base/Bitmap.h"
#include "effects/core/MorphLine.h"

namespace morphgen {

// One control line: its ends in picture 1 and in picture 2.
struct HandLine {
  quillo::RealPoint start1, end1, start2, end2;
};

struct MorphSet {
  std::string file;  // its name in the data folder (io/core/DataFiles.h)
  std::function<quillo::Bitmap(const std::string& assets)> face1;
  std::function<quillo::Bitmap(const std::string& assets)> face2;
  std::vector<HandLine> lines;
};

std::vector<MorphSet> MorphSets();

}  // namespace morphgen
