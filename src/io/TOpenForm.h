#pragma once
// The picture source dialog: obtains a face from a file, the clipboard, the
// scanner, the camera or the clip-art folder. Created once at start-up and
// shown modally; on OK the face waits in ResultPicture for the caller.
#include "base/Bitmap.h"
#include "skin/ModalWindow.h"

namespace quillo {

class TOpenForm : public ModalWindow {
  Q_OBJECT
 public:
  TOpenForm();

  Bitmap ResultPicture;
};

}  // namespace quillo
