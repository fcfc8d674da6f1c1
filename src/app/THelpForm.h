#pragma once
// The help and about window: a short text over the main window's picture
// area, on the main window's own art, so that it looks cut out of it. Any
// mouse press closes it (ShowModal returns kModalOk), as does Escape.
#include <string>

#include "ShadowLabel.h"
#include "skin/ModalWindow.h"

namespace quillo {

class TJumpForm;

class THelpForm : public ModalWindow {
  Q_OBJECT
 public:
  explicit THelpForm(TJumpForm& jumpForm);

  // Makes the text file the caption of Label1, one line break after every
  // line. UTF-8 when the bytes are valid UTF-8, Latin-1 otherwise. Throws
  // quillo::Error naming the file when it cannot be read or is too large.
  void LoadText(const std::string& path);

  ShadowLabel Label1;  // the text, filling the whole window

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void FormShow();
  void FormHide();

  TJumpForm& jumpForm_;
};

}  // namespace quillo
