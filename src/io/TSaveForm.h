#pragma once
// The save and export dialog: writes the screen's picture to a file, the clipboard, the printer or
// a video. Created once at start-up and hidden; its screens are built out step by step.
#include <QWidget>

namespace quillo {

class TSaveForm : public QWidget {
  Q_OBJECT
 public:
  TSaveForm();
};

}  // namespace quillo
