#pragma once
// The blend screen's controller: holds the two faces and the blend picture
// and the handlers the main window lends its controls on the Blending screen.
#include <QWidget>

#include "ScreenHandlers.h"
#include "base/Bitmap.h"

namespace quillo {

class TBlendForm : public QWidget {
  Q_OBJECT
 public:
  TBlendForm() = default;

  // The handlers the main window's controls take while this screen is on.
  ScreenHandlers Handlers();

  // Loads the two default faces and starts the blend picture from the left one.
  void LoadDefaultFaces(const std::string& leftPath, const std::string& rightPath);

  Bitmap BlendBitmap{290, 290};
  Bitmap LeftFace;
  Bitmap RightFace;
};

}  // namespace quillo
