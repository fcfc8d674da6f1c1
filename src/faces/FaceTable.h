#pragma once
// What the face module (libquillo_faces.so) offers the program: OpenCV's
// cascade detectors behind one table of functions. The program loads the
// module on first use (FaceModule.h), so OpenCV is mapped only when
// automatic lines are asked for.
//
// Both sides are built from the same sources by the same compiler, so the
// table passes C++ types, and errors cross it as quillo::Error. To add a
// function, append a member at the end, fill it in module/Table.cpp and
// raise kFaceTableVersion.
#include <memory>
#include <optional>
#include <string>

#include "base/Bitmap.h"
#include "effects/core/FaceBoxes.h"

namespace quillo::faces {

inline constexpr int kFaceTableVersion = 1;

// The module's one exported symbol, extern "C" const void* quillo_faces_table(),
// gives its table (every module's entry has that type: base/Module.h).
inline constexpr const char* kFaceTableEntry = "quillo_faces_table";

// The cascades read once, ready to look at pictures.
class FaceDetecting {
 public:
  virtual ~FaceDetecting() = default;
  // The largest face in the picture (a human one first, else a cat's) with
  // the eyes and mouths found inside it, in the picture's pixels; nothing
  // when there is no face.
  virtual std::optional<FaceBoxes> Find(const Bitmap& picture) = 0;
};

struct FaceTable {
  int version = kFaceTableVersion;

  // Reads the cascades from OpenCV's data folder (with haarcascades/ and lbpcascades/);
  // throws quillo::Error naming a file that is missing or unreadable.
  std::unique_ptr<FaceDetecting> (*openDetector)(const std::string& cascadeFolder) = nullptr;
};

}  // namespace quillo::faces
