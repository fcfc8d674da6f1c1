#pragma once
// The morph screen's controller: holds the morph (pictures, lines, frame)
// and its handlers. It is never shown; the main window lends it its controls.
#include <QWidget>
#include <string>

#include "skin/core/Bitmap.h"

namespace quillo {

class MessageBoxes;

class TMorphForm : public QWidget {
  Q_OBJECT
 public:
  explicit TMorphForm(MessageBoxes& messages);

  // Reads the start-up morph and draws its first picture into DisplayBitmap.
  void LoadStartMorph(const std::string& path);

  Bitmap DisplayBitmap{290, 290};

 private:
  MessageBoxes& messages_;
};

}  // namespace quillo
