// The face module's one exported symbol: the table the program looks up
// after loading the module (faces/FaceModule.cpp).
#include "CascadeDetector.h"

extern "C" const void* quillo_faces_table() {
  using namespace quillo::faces;
  static const FaceTable table{
      .version = kFaceTableVersion,
      .openDetector = OpenCascadeDetector,
  };
  return &table;
}
