#pragma once
// The help and about window, shown over the picture area.
// Created once at start-up and hidden; its screens are built out step by step.
#include <QWidget>

namespace quillo {

class THelpForm : public QWidget {
  Q_OBJECT
 public:
  THelpForm();
};

}  // namespace quillo
