#pragma once
// The mail server settings dialog.
// Created once at start-up and hidden; its screens are built out step by step.
#include <QWidget>

namespace quillo {

class TServerForm : public QWidget {
  Q_OBJECT
 public:
  TServerForm();
};

}  // namespace quillo
