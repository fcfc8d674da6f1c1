#pragma once
// The camera dialog: previews a capture device and hands back a grabbed frame.
// Created once at start-up and hidden; its screens are built out step by step.
#include <QWidget>

namespace quillo {

class TCaptureBitmapDialog : public QWidget {
  Q_OBJECT
 public:
  TCaptureBitmapDialog();
};

}  // namespace quillo
