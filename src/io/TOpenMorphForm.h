#pragma once
// The morph source dialog: chooses between a morph file and a clip-art morph.
// Created once at start-up and hidden; its screens are built out step by step.
#include <QWidget>

namespace quillo {

class TOpenMorphForm : public QWidget {
  Q_OBJECT
 public:
  TOpenMorphForm();
};

}  // namespace quillo
