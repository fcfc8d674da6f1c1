#pragma once
// The picture source dialog: obtains a face from a file, the clipboard, the scanner, the camera or
// the clip-art folder. Created once at start-up and hidden; its screens are built out step by step.
#include <QWidget>

namespace quillo {

class TOpenForm : public QWidget {
  Q_OBJECT
 public:
  TOpenForm();
};

}  // namespace quillo
