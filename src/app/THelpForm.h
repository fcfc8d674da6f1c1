#pragma once
// The help and about window, shown over the picture area.
#include <QWidget>

namespace quillo {

class TJumpForm;

class THelpForm : public QWidget {
  Q_OBJECT
 public:
  explicit THelpForm(TJumpForm& jumpForm);

 private:
  TJumpForm& jumpForm_;
};

}  // namespace quillo
